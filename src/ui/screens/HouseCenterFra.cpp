#include "screens/HouseCenterFra.h"

#include "data/Options.h"
#include "operations/HouseMgr.h"
#include "screens/ClientMathGrid.h"
#include "screens/HouseAddDlgFrm.h"
#include "screens/HouseChangeGrid.h"
#include "screens/HouseContactFra.h"
#include "screens/HouseDealGrid.h"
#include "screens/HouseDealsFra.h"
#include "screens/HouseDetailsFra.h"
#include "screens/HouseDropPickerFrm.h"
#include "screens/HouseEditPickerFrm.h"
#include "screens/HouseImageFra.h"
#include "screens/HouseSearchPanel.h"
#include "screens/HouseVisitGrid.h"
#include "toolkit/zyDBGrid.h"

#include <QAction>
#include <QComboBox>
#include <QKeySequence>
#include <QListWidget>
#include <QPushButton>

#include <cmath>

std::function<void(int, int)> THouseCenterFra::PurchaseCalculator;

THouseCenterFra::THouseCenterFra(THouseMgr& houses, QWidget* parent)
    : TfravListor(parent), m_houses(houses), m_search(new THouseSearchPanel) {
    setObjectName(QStringLiteral("HouseCenterFra"));
    ReloadOnFocus(m_search->District(),
                  [] { return TOptions::Items(ProgramOptions().District()); });
    CreateCommands();
    connect(DBGrid1(), &QAbstractItemView::doubleClicked, this, [this] { m_houses.EditClick(); });
    DBGrid1()->SetDataSet(m_houses.DataSet());
    DBGrid1()->SetTag(0);
    DBGrid1()->LoadLayout(0);
    m_search->SetStates(TOptions::Items(ProgramOptions().SaleState()));
    connect(m_search, &TSearchPanel::DealTypeChosen, this, &THouseCenterFra::SearchDealType);
    connect(m_search->FindButton(), &QPushButton::clicked, this, &THouseCenterFra::Search);
    connect(m_search->ResetButton(), &QPushButton::clicked, m_search, &THouseSearchPanel::Reset);
    connect(m_search->AdvancedButton(), &QPushButton::clicked, this, &THouseCenterFra::FindRecords);
    Build(m_search, DetailNodes());
    m_search->SelectDealType(1);
    SelectDetailNode(0);
}

namespace {

template <class TPage> TDetailNode Page(const QString& caption, THouseMgr& houses) {
    return {caption, [&houses](QWidget* parent) { return new TPage(houses, parent); }};
}

} // namespace

QList<TDetailNode> THouseCenterFra::DetailNodes() {
    THouseMgr& h = m_houses;
    return {Page<THouseDetailsFra>(QStringLiteral("房产信息"), h),
            Page<THouseImageFra>(QStringLiteral("图片信息"), h),
            Page<THouseDealsFra>(QStringLiteral("交易方式"), h),
            Page<THouseContactFra>(QStringLiteral("业主信息"), h),
            {QStringLiteral("匹配客户"),
             [this](QWidget* parent) {
                 return new TClientMathGrid(
                     m_houses,
                     [this](int id) {
                         if (m_openClient)
                             m_openClient(id);
                     },
                     parent);
             }},
            Page<THouseVisitGrid>(QStringLiteral("跟进记录"), h),
            Page<THouseDealGrid>(QStringLiteral("成交记录"), h),
            Page<THouseChangeGrid>(QStringLiteral("修改记录"), h)};
}

void THouseCenterFra::CreateCommands() {
    THouseMgr& h = m_houses;
    AddCommand(
        QStringLiteral("添加"), [&h] { h.AddClick(); }, QKeySequence(Qt::Key_Insert));
    AddCommand(QStringLiteral("复制添加"), [&h] { h.CopyClick(); });
    AddCommand(QStringLiteral("修改"), [&h] { h.EditClick(); });
    AddCommand(QStringLiteral("删除"), [&h] { h.PutinRecycleClick(); });
    AddSeparator();
    AddCommand(QStringLiteral("指定经纪人"), [&h] { h.AssignBrokerClick(); });
    AddCommand(QStringLiteral("图片信息"), [&h] { h.PictureClick(); });
    AddSeparator();
    AddCommand(QStringLiteral("添加跟进记录"), [&h] { h.VisitAddClick(); });
    AddCommand(QStringLiteral("添加成交记录"), [&h] { h.DealAddClick(); });
    AddSeparator();
    AddCommand(QStringLiteral("关注设定"), [&h] { h.AttentionEditorClick(); });
    AddCommand(QStringLiteral("显示我关注的房源"), [&h] { h.OpenByAttentionClick(); });
    AddSeparator();
    AddCommand(
        QStringLiteral("购房计算器"),
        [this] {
            if (const auto calculator = CalculatorEvent())
                calculator();
        },
        QKeySequence(QStringLiteral("Ctrl+Alt+C")))
        ->setEnabled(bool(PurchaseCalculator));
    AddSeparator();
    AddGridCommands();
}

std::function<void()> THouseCenterFra::CalculatorEvent() const {
    if (!PurchaseCalculator)
        return {};
    return [this] {
        const int area = int(std::lround(m_houses.BuildAreaFld()->AsFloat()));
        const int price = int(std::lround(m_houses.PriceFld()->AsFloat()));
        PurchaseCalculator(area, price);
    };
}

void THouseCenterFra::Search() {
    m_houses.FindHouses(m_search->Criteria());
}

void THouseCenterFra::SearchDealType(const QString& dealType) {
    THouseCriteria criteria;
    criteria.DealType = dealType;
    m_houses.FindHouses(criteria);
}

void THouseCenterFra::FindRecords() {
    m_houses.AdvancedFind(m_search->DealType());
}

void THouseCenterFra::ExportRecords() {
    ExportWith(6);
}

void THouseCenterFra::AddRecord() {
    (new THouseAddDlgFrm(m_houses))->Popup();
}

void THouseCenterFra::EditRecord() {
    THouseEditPickerFrm(m_houses, this).Execute();
}

void THouseCenterFra::DropRecord() {
    THouseDropPickerFrm(m_houses, this).Execute();
}
