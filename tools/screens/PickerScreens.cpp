#include "PickerScreens.h"

#include "operations/ClientMgr.h"
#include "operations/HouseMgr.h"
#include "screens/AttentionEditorFrm.h"
#include "screens/ClientAddDlgFrm.h"
#include "screens/ContactFrm.h"
#include "screens/DealEditorFrm.h"
#include "screens/HouseAddDlgFrm.h"
#include "screens/HouseFinderFrm.h"
#include "screens/NotesEditorFrm.h"
#include "screens/VisitEditorFrm.h"

#include <QTabWidget>

namespace {

// The live records of a manager; the window showing them takes it over.
template <class TMgr> TMgr* LiveRecords(const QString& table) {
    auto* mgr = new TMgr;
    mgr->Open(QStringLiteral("select * from %1 where abs(IsRecycle)=0 order by Id").arg(table));
    return mgr;
}

template <class TDlg, class TMgr> TScreen AddDialog(const QString& table) {
    TMgr* mgr = LiveRecords<TMgr>(table);
    auto* dlg = new TDlg(*mgr);
    mgr->setParent(dlg);
    // The tool frees the dialog itself.
    dlg->setAttribute(Qt::WA_DeleteOnClose, false);
    return TScreen{std::unique_ptr<QWidget>(dlg), {}};
}

TScreen Window(QWidget* window) {
    return TScreen{std::unique_ptr<QWidget>(window), {}};
}

TScreen VisitEditor() {
    auto* dlg = new TVisitEditorFrm;
    dlg->SetProperty("Handman", QStringLiteral("lily"));
    dlg->SetProperty("VizType", QStringLiteral("电话"));
    dlg->SetProperty("Details", QStringLiteral("业主同意周六上午带客户看房，价格可小幅商量。"));
    dlg->SetProperty("HintDate", QDate::currentDate().addDays(3).startOfDay());
    return Window(dlg);
}

TScreen DealEditor() {
    auto* dlg = new TDealEditorFrm;
    dlg->SetProperty("HouseCode", QStringLiteral("FY0012"));
    dlg->SetProperty("ClientName", QStringLiteral("陈先生"));
    dlg->SetProperty("ClientTel", QStringLiteral("13905710012"));
    dlg->SetProperty("ClientNote", QStringLiteral("首付五成，按揭二十年"));
    dlg->SetProperty("Content", QStringLiteral("总价 128 万元，下月 15 日前办理过户。"));
    dlg->SetProperty("Handman", QStringLiteral("lily"));
    return Window(dlg);
}

TScreen ContactCard() {
    auto* dlg = new TContactFrm;
    dlg->SetProperty("LoginId", QStringLiteral("lily"));
    dlg->SetProperty("Name", QStringLiteral("李丽"));
    dlg->SetProperty("Contact", QStringLiteral("13905710001"));
    dlg->SetProperty("Note", QStringLiteral("城东门店经纪人"));
    return Window(dlg);
}

TScreen NotesEditor() {
    auto* dlg = new TNotesEditorFrm;
    dlg->SetProperty("Notes", QStringLiteral("业主要求调价，已电话确认。"));
    return Window(dlg);
}

TScreen HouseFinder(int page) {
    auto* dlg = new THouseFinderFrm;
    dlg->Pages()->setCurrentIndex(page);
    dlg->SetProperty("Room", QStringLiteral("3"));
    dlg->SetProperty("FloorFrom", QStringLiteral("-1"));
    dlg->SetProperty("BillDateOn", true);
    return Window(dlg);
}

} // namespace

void RegisterPickerScreens(TScreenRegistry& registry) {
    registry.Add(QStringLiteral("screens_VisitEditorFrm"), VisitEditor);
    registry.Add(QStringLiteral("screens_DealEditorFrm"), DealEditor);
    registry.Add<TAttentionEditorFrm>(QStringLiteral("screens_AttentionEditorFrm"));
    registry.Add(QStringLiteral("screens_NotesEditorFrm"), NotesEditor);
    registry.Add(QStringLiteral("screens_ContactFrm"), ContactCard);
    registry.Add(QStringLiteral("screens_HouseAddDlgFrm"),
                 [] { return AddDialog<THouseAddDlgFrm, THouseMgr>(QStringLiteral("house")); });
    registry.Add(QStringLiteral("screens_ClientAddDlgFrm"),
                 [] { return AddDialog<TClientAddDlgFrm, TClientMgr>(QStringLiteral("client")); });
    registry.Add(QStringLiteral("screens_HouseFinderFrm_basic"), [] { return HouseFinder(0); });
    registry.Add(QStringLiteral("screens_HouseFinderFrm_inner"), [] { return HouseFinder(1); });
}
