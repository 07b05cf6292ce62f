#include "screens/DealEditorFrm.h"

#include "screens/PickLists.h"
#include "screens/ReminderBox.h"
#include "toolkit/zyDateTimePicker.h"
#include "toolkit/zyEdit.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

const QString kExchange = QStringLiteral("置换");
const QString kLease = QStringLiteral("租赁");

} // namespace

TDealEditorFrm::TDealEditorFrm(QWidget* parent)
    : TPropertyDialog(parent), m_exchange(new QRadioButton(kExchange, Body())),
      m_lease(new QRadioButton(QStringLiteral("租赁 "), Body())), m_houseCode(new TzyEdit(Body())),
      m_clientName(new TzyEdit(Body())), m_clientTel(new TzyEdit(Body())),
      m_clientNote(new TzyEdit(Body())), m_signDate(new TzyDateTimePicker(Body())),
      m_content(new QPlainTextEdit(Body())), m_handman(new QComboBox(Body())),
      m_reminder(new TReminderBox(Body())) {
    setObjectName(QStringLiteral("DealEditorFrm"));
    setWindowTitle(QStringLiteral("成交"));
    m_exchange->setObjectName(QStringLiteral("rbExchange1"));
    m_lease->setObjectName(QStringLiteral("rbLease1"));
    m_exchange->setChecked(true);
    m_houseCode->setObjectName(QStringLiteral("edtHouseCode1"));
    m_houseCode->setReadOnly(true);
    m_clientName->setObjectName(QStringLiteral("edtClientName1"));
    m_clientTel->setObjectName(QStringLiteral("edtClientTel1"));
    m_clientNote->setObjectName(QStringLiteral("edtClientNote1"));
    m_signDate->setObjectName(QStringLiteral("dtpSignDate1"));
    m_content->setObjectName(QStringLiteral("mmContent1"));
    m_handman->setObjectName(QStringLiteral("cbHandman1"));
    m_handman->setEditable(true);
    m_handman->addItems(PickLists::OperatorIds());
    m_handman->setEditText(QString());

    auto* hint = new QGroupBox(QStringLiteral("事务提醒:"), Body());
    auto* hintLayout = new QVBoxLayout(hint);
    hintLayout->setContentsMargins(8, 4, 8, 6);
    m_reminder->setParent(hint);
    hintLayout->addWidget(m_reminder);

    auto* grid = new QGridLayout(Body());
    grid->setContentsMargins(12, 10, 12, 6);
    grid->setVerticalSpacing(5);
    grid->addWidget(new QLabel(QStringLiteral("类别"), Body()), 0, 0);
    grid->addWidget(DealTypeRow(), 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("房源编号"), Body()), 0, 2);
    grid->addWidget(m_houseCode, 0, 3);
    grid->addWidget(new QLabel(QStringLiteral("客户名称"), Body()), 1, 0);
    grid->addWidget(m_clientName, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("联系电话"), Body()), 1, 2);
    grid->addWidget(m_clientTel, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("客户备注"), Body()), 2, 0);
    grid->addWidget(m_clientNote, 2, 1, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("签约日期"), Body()), 3, 0);
    grid->addWidget(m_signDate, 3, 1);
    grid->addWidget(new QLabel(QStringLiteral("经办人"), Body()), 3, 2);
    grid->addWidget(m_handman, 3, 3);
    grid->addWidget(new QLabel(QStringLiteral("签约备注"), Body()), 4, 0, Qt::AlignTop);
    grid->addWidget(m_content, 4, 1, 1, 3);
    grid->addWidget(hint, 5, 0, 1, 4);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(4, 1);

    Props().Bind(
        QStringLiteral("DealType"), [this] { return QVariant(DealType()); },
        [this](const QVariant& v) { SetDealType(v.toString()); });
    Props().BindText(QStringLiteral("HouseCode"), m_houseCode);
    Props().BindText(QStringLiteral("ClientName"), m_clientName);
    Props().BindText(QStringLiteral("ClientTel"), m_clientTel);
    Props().BindText(QStringLiteral("ClientNote"), m_clientNote);
    Props().BindDateTime(QStringLiteral("SignDate"), m_signDate);
    Props().BindText(QStringLiteral("Content"), m_content);
    Props().BindText(QStringLiteral("Handman"), m_handman);
    m_reminder->BindTo(Props());
    resize(520, 380);
}

QWidget* TDealEditorFrm::DealTypeRow() {
    auto* row = new QWidget(Body());
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    m_exchange->setParent(row);
    m_lease->setParent(row);
    layout->addWidget(m_exchange);
    layout->addWidget(m_lease);
    layout->addStretch(1);
    return row;
}

QString TDealEditorFrm::DealType() const {
    return m_exchange->isChecked() ? kExchange : kLease;
}

void TDealEditorFrm::SetDealType(const QString& type) {
    if (type == kExchange)
        m_exchange->setChecked(true);
    else
        m_lease->setChecked(true);
}
