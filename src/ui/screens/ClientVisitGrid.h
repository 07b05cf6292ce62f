#pragma once

#include "screens/FollowingGrid.h"

class TClientMgr;

// 跟进记录 under the client list: the follow-ups of the current client, with
// the commands to add, change and delete them.
class TClientVisitGrid : public TFollowingGrid {
    Q_OBJECT
  public:
    TClientVisitGrid(TClientMgr& clients, QWidget* parent = nullptr);
};
