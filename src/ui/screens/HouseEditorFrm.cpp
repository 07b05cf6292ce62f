#include "screens/HouseEditorFrm.h"

#include "app/Error.h"
#include "app/Messenger.h"
#include "screens/MultiChoiceFrm.h"
#include "toolkit/FocusColor.h"
#include "toolkit/zyComboBox.h"
#include "toolkit/zyEdit.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include <cmath>

namespace {

// Indexes of the pick lists in the options list.
enum : int {
    plDistrict = 0,
    plHouseType = 1,
    plDirection = 3,
    plDecoration = 4,
    plPropRight = 5,
    plFurniture = 7,
    plPurpose = 9,
    plTraffic = 10,
    plOutWall = 26,
    plFloorBoard = 27,
    plCanSchool = 28,
    plFundUnit = 30,
    plPlace = 32,
    plComeFrom = 33,
    plInnerWall = 34,
    plWinDoor = 35,
    plUtilities = 36,
    plHomeWiring = 37,
    plHospitals = 38,
    plMarkets = 39,
    plBurgages = 40,
    plSaleState = 41,
};

const QString kSale = QStringLiteral("出售");
const QString kRent = QStringLiteral("出租");
const QString kSaleAndRent = QStringLiteral("租售");

} // namespace

THouseEditorFrm::THouseEditorFrm(QWidget* parent) : TvEditorOf<THouseEditor>(parent) {
    setObjectName(QStringLiteral("HouseEditorFrm"));
    setWindowTitle(QStringLiteral("房源"));
    ArrangeGroups();
    SetFocusControls(m_code, m_houseName);
    ApplyAutomaticCode(m_code);
    ApplySale(false);
    ApplyRent(false);
    m_fund->setToolTip(QStringLiteral("双击自动从单价算出..."));
    m_price->setToolTip(QStringLiteral("双击自动从售价算出..."));
    m_fund->installEventFilter(this);
    m_price->installEventFilter(this);
}

void THouseEditorFrm::ArrangeGroups() {
    auto* grid = new QGridLayout(Body());
    grid->setContentsMargins(8, 6, 8, 4);
    grid->setSpacing(4);
    auto* left = new QVBoxLayout;
    left->addWidget(CreatePropertyGroup());
    left->addWidget(CreateDecorationGroup());
    left->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(CreateStructureGroup());
    right->addWidget(CreateTradeGroup());
    right->addWidget(CreateContactGroup(), 1);
    grid->addWidget(CreateHeader(), 0, 0, 1, 2);
    grid->addLayout(left, 1, 0);
    grid->addLayout(right, 1, 1);
    grid->addWidget(CreateSurroundingsGroup(), 2, 0, 1, 2);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    resize(900, 660);
}

QWidget* THouseEditorFrm::CreateHeader() {
    auto* header = new QWidget;
    auto* grid = new QGridLayout(header);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(4);
    m_code = Box(QStringLiteral("Code"));
    TzyEdit* broker = Box(QStringLiteral("Broker"));
    broker->setEnabled(false);
    broker->SetParentColor(true);
    Put(grid, 0, 0, QStringLiteral("编号"), m_code);
    Put(grid, 0, 1, QStringLiteral("登记人"), Box(QStringLiteral("Billman")));
    Put(grid, 0, 2, QStringLiteral("日期"), Box(QStringLiteral("BillTime")));
    Put(grid, 0, 3, QStringLiteral("来源"),
        Combo(QStringLiteral("ComeFrom"), PickList(plComeFrom)));
    Put(grid, 0, 4, QStringLiteral("状态"), Combo(QStringLiteral("State"), PickList(plSaleState)));
    Put(grid, 0, 5, QStringLiteral("经纪人"), broker);
    for (int col = 1; col < 12; col += 2)
        grid->setColumnStretch(col, 1);
    return header;
}

QGroupBox* THouseEditorFrm::CreatePropertyGroup() {
    QGridLayout* grid = nullptr;
    QGroupBox* group = Group(QStringLiteral("物业"), grid);
    m_houseName = Box(QStringLiteral("HouseName"));
    m_district = Combo(QStringLiteral("District"), PickList(plDistrict));
    m_place = Combo(QStringLiteral("Place"), PickList(plPlace));
    Put(grid, 0, 0, QStringLiteral("物业名称"), m_houseName);
    Put(grid, 0, 1, QStringLiteral("幢/座"), Box(QStringLiteral("Seat")));
    Put(grid, 1, 0, QStringLiteral("楼层"),
        Inline({Box(QStringLiteral("Floor")), Label(QStringLiteral("-")),
                Box(QStringLiteral("FloorB")), Label(QStringLiteral("/")),
                Box(QStringLiteral("FloorCount"))}));
    Put(grid, 1, 1, QStringLiteral("保密地址"), SecretBox(QStringLiteral("DoorNo")));
    Put(grid, 2, 0, QStringLiteral("所处区域"), m_district);
    Put(grid, 2, 1, QStringLiteral("地块"), m_place);
    Put(grid, 3, 0, QStringLiteral("街道地址"), Box(QStringLiteral("Address")), 2);
    Put(grid, 4, 0, QStringLiteral("建成年月"),
        Inline({Box(QStringLiteral("BuildYear")), Label(QStringLiteral("年")),
                Box(QStringLiteral("BuildMonth")), Label(QStringLiteral("月"))}));
    Put(grid, 4, 1, QStringLiteral("产权类型"),
        Combo(QStringLiteral("RightProp"), PickList(plPropRight)));
    Put(grid, 5, 0, QStringLiteral("产权证号"), Box(QStringLiteral("PropNo")));
    Put(grid, 5, 1, QStringLiteral("物业类别"),
        Combo(QStringLiteral("HouseType"), PickList(plHouseType)));
    Put(grid, 6, 0, QStringLiteral("土地性质"),
        Combo(QStringLiteral("Burgage"), PickList(plBurgages)));
    Put(grid, 6, 1, QStringLiteral("用途"), Combo(QStringLiteral("Purpose"), PickList(plPurpose)));
    Put(grid, 7, 0, QStringLiteral("钥匙"),
        Combo(QStringLiteral("Keys"), {QStringLiteral("有"), QStringLiteral("无")}));
    Put(grid, 7, 1, QStringLiteral("落户"),
        Combo(QStringLiteral("CanSettle"), {QStringLiteral("能"), QStringLiteral("不能")}));
    Put(grid, 8, 0, QStringLiteral("朝向"),
        Combo(QStringLiteral("Direction"), PickList(plDirection)));
    Put(grid, 8, 1, QStringLiteral("划片学校"),
        Combo(QStringLiteral("CanSchool"), PickList(plCanSchool)));
    Put(grid, 9, 0, QStringLiteral("物业备注"), Box(QStringLiteral("Note")), 2);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    return group;
}

QGroupBox* THouseEditorFrm::CreateStructureGroup() {
    QGridLayout* grid = nullptr;
    QGroupBox* group = Group(QStringLiteral("结构"), grid);
    m_buildArea = Box(QStringLiteral("BuildArea"));
    TzyEdit* stairs = Box(QStringLiteral("Stairs"));
    TzyEdit* door = Box(QStringLiteral("Door"));
    InputMethodOff(stairs);
    InputMethodOff(door);
    Put(grid, 0, 0, QStringLiteral("户型结构"),
        Inline({Box(QStringLiteral("Room")), Label(QStringLiteral("室")),
                Box(QStringLiteral("Hall")), Label(QStringLiteral("厅")),
                Box(QStringLiteral("Bath")), Label(QStringLiteral("卫")),
                Box(QStringLiteral("Balcony")), Label(QStringLiteral("阳台"))}),
        2);
    Put(grid, 1, 0, QString(),
        Inline({stairs, Label(QStringLiteral("梯")), door, Label(QStringLiteral("户"))}));
    Put(grid, 1, 1, QStringLiteral("建筑面积(平方)"), m_buildArea);
    Put(grid, 2, 0, QStringLiteral("附属面积描述"), Box(QStringLiteral("OtherArea")), 2);
    TzyEdit* mgrFund = Box(QStringLiteral("MgrFund"));
    Put(grid, 3, 0, QStringLiteral("物管费用"),
        Inline({mgrFund, Label(QStringLiteral("单位")),
                Combo(QStringLiteral("MgrFundUnit"), PickList(plFundUnit))}),
        2);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    return group;
}

QGroupBox* THouseEditorFrm::CreateTradeGroup() {
    QGridLayout* grid = nullptr;
    QGroupBox* group = Group(QStringLiteral("交易"), grid);
    m_sale = new QCheckBox(kSale);
    m_sale->setObjectName(QStringLiteral("cbSale1"));
    m_rent = new QCheckBox(kRent);
    m_rent->setObjectName(QStringLiteral("cbRent1"));
    m_fund = Box(QStringLiteral("Fund"));
    m_price = Box(QStringLiteral("Price"));
    m_basePrice = SecretBox(QStringLiteral("BasePrice"));
    m_rentFund = Box(QStringLiteral("RentFund"));
    m_rentFundUnit = Combo(QStringLiteral("RentFundUnit"), PickList(plFundUnit));
    m_rentBasePrice = SecretBox(QStringLiteral("RentBasePrice"));
    InputMethodOff(m_basePrice);
    InputMethodOff(m_rentBasePrice);
    grid->addWidget(m_sale, 0, 0);
    grid->addWidget(m_rent, 2, 0);
    // Caption and field pairs start at grid column 1.
    auto put = [grid](int row, int pair, const QString& caption, QWidget* field) {
        auto* label = Label(caption);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(label, row, 1 + pair * 2);
        grid->addWidget(field, row, 2 + pair * 2);
    };
    put(0, 0, QStringLiteral("售价(万元)"), m_fund);
    put(0, 1, QStringLiteral("单价(元/平方)"), m_price);
    put(1, 0, QStringLiteral("底价"), m_basePrice);
    put(2, 0, QStringLiteral("租价"), m_rentFund);
    put(2, 1, QStringLiteral("单位"), m_rentFundUnit);
    put(3, 0, QStringLiteral("底价"), m_rentBasePrice);
    auto* dealNoteLabel = Label(QStringLiteral("交易备注"));
    grid->addWidget(dealNoteLabel, 4, 0, 1, 2, Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(Box(QStringLiteral("DealNote")), 4, 2, 1, 3);
    grid->setColumnStretch(2, 1);
    grid->setColumnStretch(4, 1);
    connect(m_sale, &QCheckBox::toggled, this, &THouseEditorFrm::ApplySale);
    connect(m_rent, &QCheckBox::toggled, this, &THouseEditorFrm::ApplyRent);
    Bind(
        QStringLiteral("DealType"), [this] { return DealType(); },
        [this](const QVariant& v) { SetDealType(v.toString()); });
    return group;
}

QGroupBox* THouseEditorFrm::CreateDecorationGroup() {
    QGridLayout* grid = nullptr;
    QGroupBox* group = Group(QStringLiteral("装修"), grid);
    Put(grid, 0, 0, QStringLiteral("装修年月"),
        Inline({Box(QStringLiteral("DecorateYear")), Label(QStringLiteral("年")),
                Box(QStringLiteral("DecorateMonth")), Label(QStringLiteral("月"))}));
    Put(grid, 0, 1, QStringLiteral("装修级别"),
        Combo(QStringLiteral("Decoration"), PickList(plDecoration)));
    Put(grid, 1, 0, QStringLiteral("外墙"), Combo(QStringLiteral("OutWall"), PickList(plOutWall)));
    Put(grid, 1, 1, QStringLiteral("地板"),
        Combo(QStringLiteral("FloorBoard"), PickList(plFloorBoard)));
    Put(grid, 2, 0, QStringLiteral("门窗"), Combo(QStringLiteral("WinDoor"), PickList(plWinDoor)));
    Put(grid, 2, 1, QStringLiteral("内墙"),
        Combo(QStringLiteral("InnerWall"), PickList(plInnerWall)));
    Put(grid, 3, 0, QStringLiteral("其他装修说明"), Box(QStringLiteral("Decorations")), 2);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    return group;
}

QGroupBox* THouseEditorFrm::CreateContactGroup() {
    QGridLayout* grid = nullptr;
    QGroupBox* group = Group(QStringLiteral("联系"), grid);
    m_linkTel = SecretBox(QStringLiteral("LinkTel"));
    QPlainTextEdit* note = SecretMemo(QStringLiteral("LinkNote"));
    note->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    note->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    note->setLineWrapMode(QPlainTextEdit::NoWrap);
    Put(grid, 0, 0, QStringLiteral("联系人"), SecretBox(QStringLiteral("Linkman")));
    Put(grid, 0, 1, QStringLiteral("联系电话"), m_linkTel);
    auto* noteLabel = Label(QStringLiteral("联系备注"));
    noteLabel->setAlignment(Qt::AlignRight | Qt::AlignTop);
    grid->addWidget(noteLabel, 1, 0);
    grid->addWidget(note, 1, 1, 1, 3);
    grid->setRowStretch(1, 1);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    return group;
}

QGroupBox* THouseEditorFrm::CreateSurroundingsGroup() {
    QGridLayout* grid = nullptr;
    QGroupBox* group = Group(QStringLiteral("周边"), grid);
    Put(grid, 0, 0, QStringLiteral("设施"), PickerField(QStringLiteral("Utilities"), plUtilities));
    Put(grid, 0, 1, QStringLiteral("家电"),
        PickerField(QStringLiteral("HomeWirings"), plFurniture));
    Put(grid, 1, 0, QStringLiteral("家私"),
        PickerField(QStringLiteral("Furnitures"), plHomeWiring));
    Put(grid, 1, 1, QStringLiteral("商场超市"), PickerField(QStringLiteral("Markets"), plMarkets));
    Put(grid, 2, 0, QStringLiteral("附近医院"),
        PickerField(QStringLiteral("Hospitals"), plHospitals));
    Put(grid, 2, 1, QStringLiteral("公交线路"), PickerField(QStringLiteral("Traffics"), plTraffic));
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    return group;
}

// A surroundings box with its "..." button, which opens the picker on the list
// read when the button is pressed.
QWidget* THouseEditorFrm::PickerField(const QString& name, int optionIndex) {
    TzyEdit* box = Box(name);
    m_pickers.insert(name, TPickerField{box, optionIndex});
    auto* button = new QToolButton;
    button->setObjectName(QStringLiteral("btn") + name + u'1');
    button->setText(QStringLiteral("..."));
    button->setFocusPolicy(Qt::NoFocus);
    connect(button, &QToolButton::clicked, this, [this, name, box] {
        Guarded([this, name, box] {
            std::unique_ptr<TMultiChoiceFrm> picker = CreatePicker(name);
            if (picker->exec() == QDialog::Accepted)
                box->setText(picker->Text());
        });
    });
    return Inline({box, button});
}

std::unique_ptr<TMultiChoiceFrm> THouseEditorFrm::CreatePicker(const QString& name) {
    const TPickerField field = m_pickers.value(name);
    if (!field.box)
        throw EOrbelError(QStringLiteral("编辑窗口没有多选字段 %1").arg(name));
    auto picker = std::make_unique<TMultiChoiceFrm>(PickList(field.optionIndex), this);
    picker->SetText(field.box->text());
    return picker;
}

QToolButton* THouseEditorFrm::PickerButton(const QString& name) const {
    return findChild<QToolButton*>(QStringLiteral("btn") + name + u'1');
}

// ---- deal type and its sections ----------------------------------------------------

QString THouseEditorFrm::DealType() const {
    if (m_sale->isChecked())
        return m_rent->isChecked() ? kSaleAndRent : kSale;
    return m_rent->isChecked() ? kRent : QString();
}

void THouseEditorFrm::SetDealType(const QString& dealType) {
    m_sale->setChecked(false);
    m_rent->setChecked(false);
    m_sale->setChecked(dealType == kSaleAndRent || dealType == kSale);
    m_rent->setChecked(dealType == kSaleAndRent || dealType == kRent);
}

void THouseEditorFrm::SetSection(std::initializer_list<QWidget*> controls, bool on) {
    for (QWidget* control : controls) {
        control->setEnabled(on);
        SetBackground(control, palette().color(on ? QPalette::Base : QPalette::Button));
    }
}

// An unchecked section loses its prices, floor price included.
void THouseEditorFrm::ApplySale(bool on) {
    if (!on) {
        m_fund->clear();
        m_price->clear();
        SetSecret(m_basePrice, QString());
    }
    SetSection({m_fund, m_price, m_basePrice}, on);
}

void THouseEditorFrm::ApplyRent(bool on) {
    if (!on) {
        m_rentFund->clear();
        m_rentFundUnit->setEditText(QString());
        SetSecret(m_rentBasePrice, QString());
    }
    SetSection({m_rentFund, m_rentFundUnit, m_rentBasePrice}, on);
}

// ---- price calculations -------------------------------------------------------------

void THouseEditorFrm::CalcFund() {
    m_fund->SetAsDouble(m_price->AsDouble() * m_buildArea->AsDouble() / 10000);
}

void THouseEditorFrm::CalcPrice() {
    const double area = m_buildArea->AsDouble();
    if (area == 0)
        throw EOrbelError(QStringLiteral("建筑面积为0, 无法从售价算出单价."));
    m_price->SetAsDouble(std::trunc(m_fund->AsDouble() / area * 10000));
}

bool THouseEditorFrm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick) {
        if (watched == m_fund)
            Guarded([this] { CalcFund(); });
        else if (watched == m_price)
            Guarded([this] { CalcPrice(); });
    }
    return TvEditorOf<THouseEditor>::eventFilter(watched, event);
}

// ---- checks before OK ----------------------------------------------------------------

// The first empty required field, in the order the check names them.
QWidget* THouseEditorFrm::MissingRequiredField() const {
    if (m_district->currentText().isEmpty())
        return m_district;
    if (m_place->currentText().isEmpty())
        return m_place;
    if (SecretOf(m_linkTel).trimmed().isEmpty())
        return m_linkTel;
    if (m_houseName->text().trimmed().isEmpty())
        return m_houseName;
    if (m_buildArea->text().isEmpty())
        return m_buildArea;
    return nullptr;
}

QWidget* THouseEditorFrm::MissingSalePrice() const {
    if (m_fund->text().trimmed().isEmpty())
        return m_fund;
    if (m_price->text().trimmed().isEmpty())
        return m_price;
    return nullptr;
}

bool THouseEditorFrm::CloseQuery() {
    if (DealType().isEmpty())
        return Refuse(m_sale, QStringLiteral("出售或出租至少要选一项"));
    if (QWidget* missing = MissingRequiredField())
        return Refuse(missing, QStringLiteral("区域、地块、物业名称、联系电话、建筑面积为必填项."));
    if (QWidget* missing = m_sale->isChecked() ? MissingSalePrice() : nullptr)
        return Refuse(missing, QStringLiteral("出售房源必须填写售价及单价."));
    if (m_rent->isChecked() && m_rentFund->text().isEmpty())
        return Refuse(m_rentFund, QStringLiteral("出租房源必须填写租价."));
    return true;
}
