#include "screens/HouseDropPickerFrm.h"

#include "operations/HouseMgr.h"
#include "screens/DetailGrid.h"

THouseDropPickerFrm::THouseDropPickerFrm(THouseMgr& houses, QWidget* parent)
    : TEdtPickerFrm(QStringLiteral("删除"), parent) {
    setObjectName(QStringLiteral("HouseDropPickerFrm"));
    THouseMgr* mgr = &houses;
    mgr->RefreshDetails();
    SetRecordCommand(QStringLiteral("删除房源及其相关信息"), [mgr] { mgr->PutinRecycleClick(); });
    AddEntry(
        QStringLiteral("跟踪记录"), [mgr](TDetailGrid& grid) { grid.SetVisits(mgr->Visits()); },
        [mgr] { mgr->VisitDeleteClick(); });
    AddEntry(
        QStringLiteral("成交记录"), [mgr](TDetailGrid& grid) { grid.SetDeals(mgr->Deals()); },
        [mgr] { mgr->DealDeleteClick(); });
    ShowFirstEntry();
}
