#pragma once

#include "screens/FraBase.h"
#include "screens/RowFollower.h"

class THouseMgr;
class TCoverPanel;

// 业主信息: the owner's contact for the current house, read-only, covered by a
// refusal when the operator may not see it. The confidential address shows what
// the operator may see of it.
class THouseContactFra : public TFraBase {
    Q_OBJECT
  public:
    THouseContactFra(THouseMgr& houses, QWidget* parent = nullptr);

    TCoverPanel* Cover() const { return m_cover; }

  private:
    TCoverPanel* m_cover;
    TRowFollower m_follower;
};
