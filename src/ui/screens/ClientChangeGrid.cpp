#include "screens/ClientChangeGrid.h"

#include "operations/ClientMgr.h"
#include "screens/DetailLayouts.h"

TClientChangeGrid::TClientChangeGrid(TClientMgr& clients, QWidget* parent)
    : TFollowingGrid(dlClientChanges, parent) {
    SetClientChanges(clients.Changes());
    LoadStoredLayout();
    SetChangeCommands(clients);
    Follow(clients, [&clients] { clients.Changes()->OpenByClient(clients.CurrentId()); });
}
