#pragma once

#include "screens/EdtPickerFrm.h"

class THouseMgr;

// The house edit picker ("修改"): "修改房源信息" edits the current house; the
// follow-ups and deals of the house can be edited row by row.
class THouseEditPickerFrm : public TEdtPickerFrm {
    Q_OBJECT
  public:
    explicit THouseEditPickerFrm(THouseMgr& houses, QWidget* parent = nullptr);
};
