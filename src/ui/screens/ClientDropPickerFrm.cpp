#include "screens/ClientDropPickerFrm.h"

#include "operations/ClientMgr.h"
#include "screens/DetailGrid.h"

TClientDropPickerFrm::TClientDropPickerFrm(TClientMgr& clients, QWidget* parent)
    : TEdtPickerFrm(QStringLiteral("删除"), parent) {
    setObjectName(QStringLiteral("ClientDropPickerFrm"));
    TClientMgr* mgr = &clients;
    mgr->RefreshDetails();
    SetRecordCommand(QStringLiteral("删除客户及其相关信息"), [mgr] { mgr->DropClick(); });
    AddEntry(
        QStringLiteral("跟踪记录"),
        [mgr](TDetailGrid& grid) { grid.SetClientVisits(mgr->Visits()); },
        [mgr] { mgr->VisitDeleteClick(); });
    ShowFirstEntry();
}
