#include "operations/ClientMgr.h"

#include "operations/EditorFactory.h"
#include "operations/ReportPrinter.h"
#include "operators/Rights.h"

TMgrSide TClientMgr::ClientSide() {
    return {TCodeOwner::Client,
            TChangeRule::Text,
            {"Code",     "State",     "ComeFrom",   "Billman",    "BillTime",   "Broker",
             "Linkman",  "LinkTel",   "Sex",        "IdCode",     "LinkNote",   "Address",
             "Industry", "DealType",  "Room1",      "Room2",      "Area1",      "Area2",
             "Fund1",    "Fund2",     "HouseName",  "Place",      "District",   "HouseType",
             "Purpose",  "Direction", "Decoration", "RoomCircum", "LiveCircum", "Note"},
            QString(),
            QString(),
            QStringLiteral("对不起，您没有权限修改该信息，可能的原因是：\r\n\r\n1. "
                           "您不是该信息的经纪人或者系统不允许经纪人修改\r\n2. "
                           "您没有超级修改权限\r\n3. 只能修改登陆分店的记录."),
            QStringLiteral("号客户, 这将永久删除, 您确定"),
            QStringLiteral("该客户"),
            QStringLiteral("客户ID是%1, 编号是%2."),
            rtClientContact,
            false};
}

TClientMgr::TClientMgr(TDatabase* db) : TBizMgr(ClientSide(), db) {}

void TClientMgr::RefreshDetails() {
    const int id = CurrentId();
    Visits()->OpenByClient(id);
    Changes()->OpenByClient(id);
}

QList<TDataSet*> TClientMgr::ReportData() {
    RefreshDetails();
    return {DataSet(), Visits()->DataSet(), Changes()->DataSet()};
}

void TClientMgr::PrintDesign() {
    ReportPrinter().DesignReports(2, ReportData());
}

void TClientMgr::PrintReport(int reportId) {
    ReportPrinter().PrintReport(reportId, ReportData());
}

std::unique_ptr<TPropertyEditor> TClientMgr::CreateEditor() const {
    return EditorFactory().CreateClientEditor();
}
