#include "screens/ClientEditPickerFrm.h"

#include "operations/ClientMgr.h"
#include "screens/DetailGrid.h"

TClientEditPickerFrm::TClientEditPickerFrm(TClientMgr& clients, QWidget* parent)
    : TEdtPickerFrm(QStringLiteral("修改"), parent) {
    setObjectName(QStringLiteral("ClientEditPickerFrm"));
    TClientMgr* mgr = &clients;
    mgr->RefreshDetails();
    SetRecordCommand(QStringLiteral("修改客户信息"), [mgr] { mgr->EditClick(); });
    AddEntry(
        QStringLiteral("跟踪记录"),
        [mgr](TDetailGrid& grid) { grid.SetClientVisits(mgr->Visits()); },
        [mgr] { mgr->VisitEditClick(); });
    ShowFirstEntry();
}
