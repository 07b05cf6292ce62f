#include "screens/HouseDealGrid.h"

#include "operations/HouseMgr.h"
#include "screens/DetailLayouts.h"

THouseDealGrid::THouseDealGrid(THouseMgr& houses, QWidget* parent)
    : TFollowingGrid(dlHouseDeals, parent) {
    SetDeals(houses.Deals());
    LoadStoredLayout();
    SetCommands({{QStringLiteral("添加"), [&houses] { houses.DealAddClick(); }},
                 {QStringLiteral("修改"), [&houses] { houses.DealEditClick(); }},
                 {QStringLiteral("删除"), [&houses] { houses.DealDeleteClick(); }}});
    OnDoubleClick([&houses] { houses.DealEditClick(); });
    Follow(houses, [&houses] { houses.Deals()->OpenByHouse(houses.CurrentId()); });
}
