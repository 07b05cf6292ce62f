#include "screens/HouseChangeGrid.h"

#include "operations/HouseMgr.h"
#include "screens/DetailLayouts.h"

THouseChangeGrid::THouseChangeGrid(THouseMgr& houses, QWidget* parent)
    : TFollowingGrid(dlHouseChanges, parent) {
    SetHouseChanges(houses.Changes());
    LoadStoredLayout();
    SetChangeCommands(houses);
    Follow(houses, [&houses] { houses.Changes()->OpenByHouse(houses.CurrentId()); });
}
