#include "screens/ClientVisitGrid.h"

#include "operations/ClientMgr.h"
#include "screens/DetailLayouts.h"

TClientVisitGrid::TClientVisitGrid(TClientMgr& clients, QWidget* parent)
    : TFollowingGrid(dlClientVisits, parent) {
    SetClientVisits(clients.Visits());
    LoadStoredLayout();
    SetVisitCommands(clients);
    Follow(clients, [&clients] { clients.Visits()->OpenByClient(clients.CurrentId()); });
}
