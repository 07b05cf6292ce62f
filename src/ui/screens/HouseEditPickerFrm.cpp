#include "screens/HouseEditPickerFrm.h"

#include "operations/HouseMgr.h"
#include "screens/DetailGrid.h"

THouseEditPickerFrm::THouseEditPickerFrm(THouseMgr& houses, QWidget* parent)
    : TEdtPickerFrm(QStringLiteral("修改"), parent) {
    setObjectName(QStringLiteral("HouseEditPickerFrm"));
    THouseMgr* mgr = &houses;
    mgr->RefreshDetails();
    SetRecordCommand(QStringLiteral("修改房源信息"), [mgr] { mgr->EditClick(); });
    AddEntry(
        QStringLiteral("跟踪记录"), [mgr](TDetailGrid& grid) { grid.SetVisits(mgr->Visits()); },
        [mgr] { mgr->VisitEditClick(); });
    AddEntry(
        QStringLiteral("成交记录"), [mgr](TDetailGrid& grid) { grid.SetDeals(mgr->Deals()); },
        [mgr] { mgr->DealEditClick(); });
    ShowFirstEntry();
}
