#include "screens/ClientEditorFrm.h"

#include "toolkit/zyComboBox.h"
#include "toolkit/zyEdit.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

// Indexes of the pick lists in the options list.
enum : int {
    plDistrict = 0,
    plHouseType = 1,
    plDirection = 3,
    plDecoration = 4,
    plPurpose = 9,
    plComeFrom = 33,
    plBuyState = 43,
    plIndustry = 46,
};

const QString kBuy = QStringLiteral("求购");
const QString kBorrow = QStringLiteral("求租");

} // namespace

TClientEditorFrm::TClientEditorFrm(QWidget* parent) : TvEditorOf<TClientEditor>(parent) {
    setObjectName(QStringLiteral("ClientEditorFrm"));
    setWindowTitle(QStringLiteral("客户"));
    auto* layout = new QVBoxLayout(Body());
    layout->setContentsMargins(8, 6, 8, 4);
    layout->setSpacing(4);
    layout->addWidget(CreateHeader());
    layout->addWidget(CreateClientGroup());
    layout->addWidget(CreateDemandGroup());
    layout->addWidget(CreateLowerGroup(), 1);
    m_buy->setChecked(true);
    SetFocusControls(m_code, m_district);
    ApplyAutomaticCode(m_code);
    resize(600, 560);
}

QWidget* TClientEditorFrm::CreateHeader() {
    auto* header = new QWidget;
    auto* grid = new QGridLayout(header);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(4);
    m_code = Box(QStringLiteral("Code"));
    TzyEdit* broker = Box(QStringLiteral("Broker"));
    broker->setEnabled(false);
    Put(grid, 0, 0, QStringLiteral("编号"), m_code);
    Put(grid, 0, 1, QStringLiteral("状态"), Combo(QStringLiteral("State"), PickList(plBuyState)));
    Put(grid, 0, 2, QStringLiteral("来源"),
        Combo(QStringLiteral("ComeFrom"), PickList(plComeFrom)));
    Put(grid, 1, 0, QStringLiteral("登记人"), Box(QStringLiteral("Billman")));
    Put(grid, 1, 1, QStringLiteral("登记日期"), Box(QStringLiteral("BillTime")));
    Put(grid, 1, 2, QStringLiteral("经纪人"), broker);
    for (int col = 1; col < 6; col += 2)
        grid->setColumnStretch(col, 1);
    return header;
}

QGroupBox* TClientEditorFrm::CreateClientGroup() {
    QGridLayout* grid = nullptr;
    QGroupBox* group = Group(QStringLiteral("客户"), grid);
    m_linkman = SecretBox(QStringLiteral("Linkman"));
    m_linkTel = SecretBox(QStringLiteral("LinkTel"));
    m_sex = Combo(QStringLiteral("Sex"), {QStringLiteral("男"), QStringLiteral("女")});
    QPlainTextEdit* note = SecretMemo(QStringLiteral("LinkNote"));
    note->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    note->setFixedHeight(note->fontMetrics().lineSpacing() * 3 + 10);
    Put(grid, 0, 0, QStringLiteral("客户姓名"), m_linkman);
    Put(grid, 0, 1, QStringLiteral("联系电话"), m_linkTel);
    Put(grid, 1, 0, QStringLiteral("性别"), m_sex);
    Put(grid, 1, 1, QStringLiteral("身份证号"), Box(QStringLiteral("IdCode")));
    Put(grid, 2, 0, QStringLiteral("地址"), Box(QStringLiteral("Address")));
    Put(grid, 2, 1, QStringLiteral("从事行业"),
        Combo(QStringLiteral("Industry"), PickList(plIndustry)));
    auto* noteLabel = Label(QStringLiteral("联系备注"));
    noteLabel->setAlignment(Qt::AlignRight | Qt::AlignTop);
    grid->addWidget(noteLabel, 3, 0);
    grid->addWidget(note, 3, 1, 1, 3);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    return group;
}

QGroupBox* TClientEditorFrm::CreateDemandGroup() {
    QGridLayout* grid = nullptr;
    QGroupBox* group = Group(QStringLiteral("需求"), grid);
    grid->addWidget(CreateDemandLeft(), 0, 0);
    grid->addWidget(CreateDemandRight(), 0, 1, Qt::AlignTop);
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(1, 2);
    return group;
}

QWidget* TClientEditorFrm::CreateDemandLeft() {
    auto* panel = new QWidget;
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(3);
    m_buy = new QRadioButton(kBuy);
    m_buy->setObjectName(QStringLiteral("rbBuy1"));
    m_borrow = new QRadioButton(kBorrow);
    m_borrow->setObjectName(QStringLiteral("rbBorrow1"));
    auto* dealTypes = new QWidget;
    auto* row = new QHBoxLayout(dealTypes);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(m_buy);
    row->addWidget(m_borrow);
    row->addStretch();
    grid->addWidget(dealTypes, 0, 1);
    Put(grid, 1, 0, QStringLiteral("户型"),
        Inline({Box(QStringLiteral("Room1")), Label(QStringLiteral("室 至")),
                Box(QStringLiteral("Room2")), Label(QStringLiteral("室"))}));
    Put(grid, 2, 0, QStringLiteral("面积"),
        Inline({Box(QStringLiteral("Area1")), Label(QStringLiteral("平方 至")),
                Box(QStringLiteral("Area2")), Label(QStringLiteral("平方"))}));
    Put(grid, 3, 0, QStringLiteral("价格"),
        Inline({Box(QStringLiteral("Fund1")), Label(QStringLiteral("元 至")),
                Box(QStringLiteral("Fund2")), Label(QStringLiteral("元"))}));
    Put(grid, 4, 0, QStringLiteral("楼盘"), Box(QStringLiteral("HouseName")));
    Put(grid, 5, 0, QStringLiteral("地段"), Box(QStringLiteral("Place")));
    grid->setColumnStretch(1, 1);
    Bind(
        QStringLiteral("DealType"), [this] { return m_buy->isChecked() ? kBuy : kBorrow; },
        [this](const QVariant& v) { (v.toString() == kBuy ? m_buy : m_borrow)->setChecked(true); });
    return panel;
}

QWidget* TClientEditorFrm::CreateDemandRight() {
    auto* panel = new QWidget;
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(3);
    m_district = Combo(QStringLiteral("District"), PickList(plDistrict));
    Put(grid, 0, 0, QStringLiteral("区域"), m_district);
    Put(grid, 1, 0, QStringLiteral("物业"),
        Combo(QStringLiteral("HouseType"), PickList(plHouseType)));
    Put(grid, 2, 0, QStringLiteral("用途"), Combo(QStringLiteral("Purpose"), PickList(plPurpose)));
    Put(grid, 3, 0, QStringLiteral("朝向"),
        Combo(QStringLiteral("Direction"), PickList(plDirection)));
    Put(grid, 4, 0, QStringLiteral("装修"),
        Combo(QStringLiteral("Decoration"), PickList(plDecoration)));
    grid->setColumnStretch(1, 1);
    return panel;
}

QGroupBox* TClientEditorFrm::CreateLowerGroup() {
    QGridLayout* grid = nullptr;
    QGroupBox* group = Group(QStringLiteral("其他"), grid);
    QPlainTextEdit* note = Memo(QStringLiteral("Note"));
    note->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Put(grid, 0, 0, QStringLiteral("配置"), Box(QStringLiteral("RoomCircum")));
    Put(grid, 1, 0, QStringLiteral("设施"), Box(QStringLiteral("LiveCircum")));
    auto* noteLabel = Label(QStringLiteral("备注"));
    noteLabel->setAlignment(Qt::AlignRight | Qt::AlignTop);
    grid->addWidget(noteLabel, 2, 0);
    grid->addWidget(note, 2, 1);
    grid->setRowStretch(2, 1);
    grid->setColumnStretch(1, 1);
    return group;
}

// Only the telephone is trimmed: a name of blanks counts as given.
QWidget* TClientEditorFrm::MissingRequiredField() const {
    if (SecretOf(m_linkTel).trimmed().isEmpty())
        return m_linkTel;
    if (SecretOf(m_linkman).isEmpty())
        return m_linkman;
    if (m_sex->currentText().isEmpty())
        return m_sex;
    if (m_district->currentText().isEmpty())
        return m_district;
    return nullptr;
}

bool TClientEditorFrm::CloseQuery() {
    if (QWidget* missing = MissingRequiredField())
        return Refuse(missing, QStringLiteral("客户姓名、联系电话、性别、区域为必填项."));
    return true;
}
