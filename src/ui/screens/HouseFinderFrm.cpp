#include "screens/HouseFinderFrm.h"

#include "data/Options.h"
#include "screens/FinderDateRange.h"
#include "screens/PickLists.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

const QString kAny = QStringLiteral("不限");

QStringList FloorItems() {
    return QStringList{QStringLiteral("-1")} + PickLists::Numbers(1, 30);
}

QWidget* Row(QWidget* parent, const QList<QWidget*>& parts) {
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    for (QWidget* part : parts) {
        part->setParent(row);
        layout->addWidget(part, qobject_cast<QLabel*>(part) ? 0 : 1);
    }
    return row;
}

} // namespace

THouseFinderFrm::THouseFinderFrm(QWidget* parent)
    : TPropertyDialog(parent), m_pages(new QTabWidget(Body())) {
    setObjectName(QStringLiteral("HouseFinderFrm"));
    setWindowTitle(QStringLiteral("房源查找"));
    m_pages->setObjectName(QStringLiteral("pcFinder1"));
    m_pages->addTab(BasicPage(), QStringLiteral("基本项目"));
    m_pages->addTab(InnerPage(), QStringLiteral("内部项目"));
    m_pages->setCurrentIndex(0);
    auto* layout = new QVBoxLayout(Body());
    layout->setContentsMargins(8, 8, 8, 4);
    layout->addWidget(m_pages);
    resize(600, 420);
}

QComboBox* THouseFinderFrm::Combo(const QString& name, const QStringList& items, bool withAny) {
    auto* combo = new QComboBox(this);
    combo->setObjectName(QStringLiteral("cb") + name + QStringLiteral("1"));
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    if (withAny)
        combo->addItem(kAny);
    combo->addItems(items);
    combo->setEditText(QString());
    Props().BindText(name, combo);
    return combo;
}

QLineEdit* THouseFinderFrm::Edit(const QString& name) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QStringLiteral("edt") + name + QStringLiteral("1"));
    Props().BindText(name, edit);
    return edit;
}

QWidget* THouseFinderFrm::Range(const QString& fromName, const QStringList& fromItems,
                                const QString& toName, const QStringList& toItems, bool withAny) {
    return Row(this, {Combo(fromName, fromItems, withAny), new QLabel(QStringLiteral("至")),
                      Combo(toName, toItems, withAny)});
}

QWidget* THouseFinderFrm::RoomRow() {
    const auto label = [](const char* text) { return new QLabel(QString::fromUtf8(text)); };
    return Row(this, {Combo(QStringLiteral("Room"), PickLists::Numbers(1, 5)), label("室"),
                      Combo(QStringLiteral("Hall"), PickLists::Numbers(0, 4)), label("厅"),
                      Combo(QStringLiteral("Bath"), PickLists::Numbers(1, 5)), label("卫"),
                      Combo(QStringLiteral("Balcony"), PickLists::Numbers(1, 5)), label("阳台")});
}

void THouseFinderFrm::AddRow(QGridLayout* grid, int row, int column, const QString& caption,
                             QWidget* control, int span) {
    auto* label = new QLabel(caption, grid->parentWidget());
    grid->addWidget(label, row, column);
    control->setParent(grid->parentWidget());
    grid->addWidget(control, row, column + 1, 1, span);
}

QWidget* THouseFinderFrm::BasicPage() {
    const TOptions& options = ProgramOptions();
    using PickLists::Items;
    auto* page = new QWidget(this);
    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(10, 10, 10, 10);
    grid->setVerticalSpacing(6);
    grid->setHorizontalSpacing(8);
    AddRow(grid, 0, 0, QStringLiteral("区域"), Combo("District", Items(options.District())));
    AddRow(grid, 0, 2, QStringLiteral("地块"), Combo("Place", Items(options.Place())));
    AddRow(grid, 1, 0, QStringLiteral("物业名称"), Edit("HouseName"));
    AddRow(grid, 1, 2, QStringLiteral("物业类型"), Combo("HouseType", Items(options.HouseType())));
    AddRow(grid, 2, 0, QStringLiteral("户型结构"), RoomRow(), 3);
    AddRow(grid, 3, 0, QStringLiteral("建筑面积"),
           Range("AreaFrom", PickLists::Numbers(50, 150, 10), "AreaTo",
                 PickLists::Numbers(60, 160, 10)));
    AddRow(grid, 3, 2, QStringLiteral("所处楼层"),
           Range("FloorFrom", FloorItems(), "FloorTo", FloorItems(), false));
    AddRow(
        grid, 4, 0, QStringLiteral("售价范围(万元)"),
        Range("FundFrom", PickLists::Numbers(5, 100, 5), "FundTo", PickLists::Numbers(5, 100, 5)));
    AddRow(grid, 4, 2, QStringLiteral("租金范围(元)"),
           Range("RentFrom", PickLists::RentSteps(), "RentTo", PickLists::RentSteps()));
    AddRow(grid, 5, 0, QStringLiteral("年限"),
           Row(page, {Combo("BuildYearFrom", PickLists::Numbers(2010, 1980, -1)),
                      new QLabel(QStringLiteral("以后"))}));
    AddRow(grid, 5, 2, QStringLiteral("产权类型"), Combo("RightProp", Items(options.PropRight())));
    AddRow(grid, 6, 0, QStringLiteral("产权证号"), Edit("PropNo"));
    AddRow(grid, 6, 2, QStringLiteral("用途"), Combo("Purpose", Items(options.Purpose())));
    AddRow(grid, 7, 0, QStringLiteral("联系人姓名"), Edit("Linkman"));
    AddRow(grid, 7, 2, QStringLiteral("联系电话"), Edit("LinkTel"));
    AddRow(grid, 8, 0, QStringLiteral("物业地址"), Edit("Address"));
    AddRow(grid, 8, 2, QStringLiteral("划片学校"), Combo("CanSchool", Items(options.CanSchool())));
    AddRow(grid, 9, 0, QStringLiteral("房源备注"), Edit("Keyword"));
    m_canSettle = new QCheckBox(QStringLiteral("落户"));
    m_canSettle->setObjectName(QStringLiteral("cbCanSettle1"));
    Props().BindFlag(QStringLiteral("CanSettle"), m_canSettle);
    AddRow(grid, 9, 2, QStringLiteral("钥匙"),
           Row(page, {Combo("Keys", {QStringLiteral("有"), QStringLiteral("无")}), m_canSettle}));
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(10, 1);
    return page;
}

QWidget* THouseFinderFrm::InnerPage() {
    const TOptions& options = ProgramOptions();
    const QStringList operators = PickLists::OperatorIds();
    auto* page = new QWidget(this);
    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(10, 10, 10, 10);
    grid->setVerticalSpacing(8);
    grid->setHorizontalSpacing(8);
    AddRow(grid, 0, 0, QStringLiteral("来源"),
           Combo("ComeFrom", PickLists::Items(options.ComeFrom())));
    AddRow(grid, 0, 2, QStringLiteral("编号"), Edit("Code"));
    AddRow(grid, 1, 0, QStringLiteral("状态"),
           Combo("State", PickLists::Items(options.SaleState())));
    AddRow(grid, 1, 2, QStringLiteral("经纪人"), Combo("Broker", operators));
    AddRow(grid, 2, 0, QStringLiteral("登记人"), Combo("Billman", operators));
    m_billDates = new TFinderDateRange(QStringLiteral("登记日期"), page);
    m_billDates->setObjectName(QStringLiteral("BillDates"));
    m_billDates->BindTo(Props(), "BillDateOn", "BillFrom", "BillTo");
    grid->addWidget(m_billDates, 3, 0, 1, 4);
    AddRow(grid, 4, 0, QStringLiteral("业务跟进人"), Combo("VisitHandman", operators));
    m_visitDates = new TFinderDateRange(QStringLiteral("跟进日期"), page);
    m_visitDates->setObjectName(QStringLiteral("VisitDates"));
    m_visitDates->BindTo(Props(), "VisitDateOn", "VisitFrom", "VisitTo");
    grid->addWidget(m_visitDates, 5, 0, 1, 4);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(6, 1);
    return page;
}
