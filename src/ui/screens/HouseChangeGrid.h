#pragma once

#include "screens/FollowingGrid.h"

class THouseMgr;

// 修改记录 under the house list: the change log of the current house; the one
// who made a change may note on it.
class THouseChangeGrid : public TFollowingGrid {
    Q_OBJECT
  public:
    THouseChangeGrid(THouseMgr& houses, QWidget* parent = nullptr);
};
