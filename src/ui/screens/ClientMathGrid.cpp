#include "screens/ClientMathGrid.h"

#include "operations/HouseMgr.h"
#include "screens/DetailLayouts.h"

TClientMathGrid::TClientMathGrid(THouseMgr& houses, TOpenByIdEvent openClient, QWidget* parent)
    : TMatchGrid(dlClientMatches, std::move(openClient), parent) {
    SetClientSet(Matches());
    LoadStoredLayout();
    FollowMatches(houses, [this, &houses] { Matches()->MatchClientsFor(houses); });
}
