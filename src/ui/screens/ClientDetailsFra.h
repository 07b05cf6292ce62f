#pragma once

#include "screens/FraBase.h"

class TClientMgr;
class TRecordInfoBar;

// 需求信息: what the current client of the client manager is looking for,
// read-only, with the client's code, dates, source, state and operators below.
class TClientDetailsFra : public TFraBase {
    Q_OBJECT
  public:
    TClientDetailsFra(TClientMgr& clients, QWidget* parent = nullptr);

    TRecordInfoBar* InfoBar() const { return m_info; }

  private:
    TRecordInfoBar* m_info;
};
