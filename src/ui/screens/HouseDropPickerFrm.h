#pragma once

#include "screens/EdtPickerFrm.h"

class THouseMgr;

// The house delete picker ("删除"): "删除房源及其相关信息" moves the current house
// to the recycle box; its follow-ups and deals can be deleted row by row.
class THouseDropPickerFrm : public TEdtPickerFrm {
    Q_OBJECT
  public:
    explicit THouseDropPickerFrm(THouseMgr& houses, QWidget* parent = nullptr);
};
