#pragma once

#include "screens/EdtPickerFrm.h"

class TClientMgr;

// The client edit picker ("修改"): "修改客户信息" edits the current client; its
// follow-ups can be edited row by row.
class TClientEditPickerFrm : public TEdtPickerFrm {
    Q_OBJECT
  public:
    explicit TClientEditPickerFrm(TClientMgr& clients, QWidget* parent = nullptr);
};
