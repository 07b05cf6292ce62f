#include "screens/HouseMathGrid.h"

#include "operations/ClientMgr.h"
#include "screens/DetailLayouts.h"

THouseMathGrid::THouseMathGrid(TClientMgr& clients, TOpenByIdEvent openHouse, QWidget* parent)
    : TMatchGrid(dlHouseMatches, std::move(openHouse), parent) {
    SetHouseSet(Matches());
    LoadStoredLayout();
    FollowMatches(clients, [this, &clients] { Matches()->MatchHousesFor(clients); });
}
