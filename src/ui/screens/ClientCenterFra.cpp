#include "screens/ClientCenterFra.h"

#include "data/Options.h"
#include "operations/ClientMgr.h"
#include "screens/ClientAddDlgFrm.h"
#include "screens/ClientChangeGrid.h"
#include "screens/ClientContactFra.h"
#include "screens/ClientDetailsFra.h"
#include "screens/ClientDropPickerFrm.h"
#include "screens/ClientEditPickerFrm.h"
#include "screens/ClientSearchPanel.h"
#include "screens/ClientVisitGrid.h"
#include "screens/HouseMathGrid.h"
#include "screens/PickLists.h"
#include "toolkit/zyDBGrid.h"

#include <QComboBox>
#include <QKeySequence>
#include <QListWidget>
#include <QPushButton>

TClientCenterFra::TClientCenterFra(TClientMgr& clients, QWidget* parent)
    : TfravListor(parent), m_clients(clients), m_search(new TClientSearchPanel) {
    setObjectName(QStringLiteral("ClientCenterFra"));
    ReloadOnFocus(m_search->Billman(), &PickLists::OperatorIds);
    ReloadOnFocus(m_search->Broker(), &PickLists::OperatorIds);
    CreateCommands();
    TOptions& options = ProgramOptions();
    m_search->Place()->addItems(TOptions::Items(options.Place()));
    m_search->District()->addItems(TOptions::Items(options.District()));
    m_search->ComeFrom()->addItems(TOptions::Items(options.ComeFrom()));
    for (QComboBox* combo : {m_search->Place(), m_search->District(), m_search->ComeFrom()})
        combo->setCurrentIndex(-1);
    DBGrid1()->SetDataSet(m_clients.DataSet());
    DBGrid1()->SetTag(2);
    DBGrid1()->LoadLayout(2);
    connect(DBGrid1(), &QAbstractItemView::doubleClicked, this, [this] { m_clients.EditClick(); });
    connect(m_search, &TSearchPanel::DealTypeChosen, this, &TClientCenterFra::SearchDealType);
    connect(m_search->FindButton(), &QPushButton::clicked, this, &TClientCenterFra::Search);
    connect(m_search->ResetButton(), &QPushButton::clicked, m_search, &TClientSearchPanel::Reset);
    Build(m_search, DetailNodes());
    m_search->DealTypeList()->setCurrentRow(1); // 求购; read when first shown
    SelectDetailNode(0);
}

// The buyers are read the first time the list is shown rather than at start:
// a large agency's client list takes a while, and the program opens on the
// house list. A list opened meanwhile (a client opened from the house list)
// is kept.
void TClientCenterFra::showEvent(QShowEvent* event) {
    TfravListor::showEvent(event);
    if (!m_clients.DataSet()->Active())
        SearchDealType(m_search->DealType());
}

namespace {

template <class TPage> TDetailNode Page(const QString& caption, TClientMgr& clients) {
    return {caption, [&clients](QWidget* parent) { return new TPage(clients, parent); }};
}

} // namespace

QList<TDetailNode> TClientCenterFra::DetailNodes() {
    TClientMgr& c = m_clients;
    return {Page<TClientDetailsFra>(QStringLiteral("需求信息"), c),
            Page<TClientContactFra>(QStringLiteral("客户信息"), c),
            Page<TClientVisitGrid>(QStringLiteral("跟进记录"), c),
            {QStringLiteral("匹配房源"),
             [this](QWidget* parent) {
                 return new THouseMathGrid(
                     m_clients,
                     [this](int id) {
                         if (m_openHouse)
                             m_openHouse(id);
                     },
                     parent);
             }},
            Page<TClientChangeGrid>(QStringLiteral("修改记录"), c)};
}

void TClientCenterFra::CreateCommands() {
    TClientMgr& c = m_clients;
    AddCommand(
        QStringLiteral("添加"), [&c] { c.AddClick(); }, QKeySequence(Qt::Key_Insert));
    AddSeparator();
    AddCommand(QStringLiteral("修改"), [&c] { c.EditClick(); });
    AddCommand(QStringLiteral("删除"), [&c] { c.PutinRecycleClick(); });
    AddSeparator();
    AddCommand(QStringLiteral("指定经纪人"), [&c] { c.AssignBrokerClick(); });
    AddCommand(QStringLiteral("添加跟进记录"), [&c] { c.VisitAddClick(); });
    AddSeparator();
    AddCommand(QStringLiteral("关注设定"), [&c] { c.AttentionEditorClick(); });
    AddCommand(QStringLiteral("显示我关注的客户"), [&c] { c.OpenByAttentionClick(); });
    AddSeparator();
    AddGridCommands();
}

void TClientCenterFra::Search() {
    m_clients.FindClients(m_search->Criteria());
}

void TClientCenterFra::SearchDealType(const QString& dealType) {
    TClientCriteria criteria;
    criteria.DealType = dealType;
    m_clients.FindClients(criteria);
}

void TClientCenterFra::ExportRecords() {
    ExportWith(7);
}

void TClientCenterFra::AddRecord() {
    (new TClientAddDlgFrm(m_clients))->Popup();
}

void TClientCenterFra::EditRecord() {
    TClientEditPickerFrm(m_clients, this).Execute();
}

void TClientCenterFra::DropRecord() {
    TClientDropPickerFrm(m_clients, this).Execute();
}
