#pragma once

#include "screens/EdtPickerFrm.h"

class TClientMgr;

// The client delete picker ("删除"): "删除客户及其相关信息" deletes the current
// client with everything attached; its follow-ups can be deleted row by row.
class TClientDropPickerFrm : public TEdtPickerFrm {
    Q_OBJECT
  public:
    explicit TClientDropPickerFrm(TClientMgr& clients, QWidget* parent = nullptr);
};
