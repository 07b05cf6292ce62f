#pragma once

#include "screens/AddDlgFrm.h"

class TClientMgr;

// The add dialog of the client list: "当前客户：<code>", the icon "跟踪记录" (a
// follow-up of the current client) and "新客户".
class TClientAddDlgFrm : public TAddDlgFrm {
    Q_OBJECT
  public:
    explicit TClientAddDlgFrm(TClientMgr& clients, QWidget* parent = nullptr);
};
