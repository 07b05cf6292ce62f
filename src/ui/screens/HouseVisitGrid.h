#pragma once

#include "screens/FollowingGrid.h"

class THouseMgr;

// 跟进记录 under the house list: the follow-ups of the current house, with the
// commands to add, change and delete them.
class THouseVisitGrid : public TFollowingGrid {
    Q_OBJECT
  public:
    THouseVisitGrid(THouseMgr& houses, QWidget* parent = nullptr);
};
