#pragma once

#include "screens/FollowingGrid.h"

class TClientMgr;

// 修改记录 under the client list: the change log of the current client; the
// one who made a change may note on it.
class TClientChangeGrid : public TFollowingGrid {
    Q_OBJECT
  public:
    TClientChangeGrid(TClientMgr& clients, QWidget* parent = nullptr);
};
