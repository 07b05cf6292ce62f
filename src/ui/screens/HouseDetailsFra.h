#pragma once

#include "screens/FraBase.h"
#include "screens/RowFollower.h"

class THouseMgr;
class TRecordInfoBar;
class TSecretBox;

// 房产信息: the current house of the house manager, read-only. The door and
// property certificate numbers are masked until their box has the focus; the
// registering operator and the broker open their contact cards when clicked.
class THouseDetailsFra : public TFraBase {
    Q_OBJECT
  public:
    THouseDetailsFra(THouseMgr& houses, QWidget* parent = nullptr);

    TSecretBox* DoorNoBox() const { return m_doorNo; }
    TSecretBox* PropNoBox() const { return m_propNo; }
    TRecordInfoBar* InfoBar() const { return m_info; }

  private:
    void BuildForm();
    void RowChanged();

    THouseMgr& m_houses;
    TSecretBox* m_doorNo;
    TSecretBox* m_propNo;
    TRecordInfoBar* m_info;
    TRowFollower m_follower;
};
