#pragma once

#include "screens/FollowingGrid.h"

class THouseMgr;

// 成交记录 under the house list: the deals of the current house, with the
// commands to add, change and delete them.
class THouseDealGrid : public TFollowingGrid {
    Q_OBJECT
  public:
    THouseDealGrid(THouseMgr& houses, QWidget* parent = nullptr);
};
