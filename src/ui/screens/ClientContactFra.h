#pragma once

#include "screens/FraBase.h"
#include "screens/RowFollower.h"

class TClientMgr;
class TCoverPanel;

// 客户信息: the current client's personal and contact details, read-only,
// covered by a refusal when the operator may not see them.
class TClientContactFra : public TFraBase {
    Q_OBJECT
  public:
    TClientContactFra(TClientMgr& clients, QWidget* parent = nullptr);

    TCoverPanel* Cover() const { return m_cover; }

  private:
    TCoverPanel* m_cover;
    TRowFollower m_follower;
};
