#pragma once

#include "screens/AddDlgFrm.h"

class THouseMgr;

// The add dialog of the house list: "当前房源：<code>", the icons "跟踪记录"
// (a follow-up of the current house) and "成交记录" (a deal of it), and "新房源".
class THouseAddDlgFrm : public TAddDlgFrm {
    Q_OBJECT
  public:
    explicit THouseAddDlgFrm(THouseMgr& houses, QWidget* parent = nullptr);
};
