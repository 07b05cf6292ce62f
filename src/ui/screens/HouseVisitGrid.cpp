#include "screens/HouseVisitGrid.h"

#include "operations/HouseMgr.h"
#include "screens/DetailLayouts.h"

THouseVisitGrid::THouseVisitGrid(THouseMgr& houses, QWidget* parent)
    : TFollowingGrid(dlHouseVisits, parent) {
    SetVisits(houses.Visits());
    LoadStoredLayout();
    SetVisitCommands(houses);
    Follow(houses, [&houses] { houses.Visits()->OpenByHouse(houses.CurrentId()); });
}
