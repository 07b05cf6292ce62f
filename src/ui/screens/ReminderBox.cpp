#include "screens/ReminderBox.h"

#include "screens/DialogProperties.h"
#include "toolkit/zyDateTimePicker.h"
#include "toolkit/zyEdit.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>

TReminderBox::TReminderBox(QWidget* parent)
    : QWidget(parent), m_check(new QCheckBox(QStringLiteral("是否需要提醒？"), this)),
      m_date(new TzyDateTimePicker(this)), m_days(new TzyEdit(this)) {
    m_check->setObjectName(QStringLiteral("cbHint1"));
    m_date->setObjectName(QStringLiteral("dtpHintDate1"));
    m_days->setObjectName(QStringLiteral("edtHintDays1"));
    m_days->SetEditType(TzyEdit::etInteger);
    m_days->setText(QStringLiteral("3"));
    m_days->setFixedWidth(48);
    m_date->setMinimumWidth(110);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_check);
    layout->addSpacing(8);
    layout->addWidget(new QLabel(QStringLiteral("提醒日期"), this));
    layout->addWidget(m_date);
    layout->addSpacing(8);
    layout->addWidget(new QLabel(QStringLiteral("提前几天？"), this));
    layout->addWidget(m_days);
    layout->addStretch(1);

    connect(m_check, &QCheckBox::toggled, this, [this] { ShowState(); });
    ShowState();
}

void TReminderBox::ShowState() {
    const bool on = m_check->isChecked();
    m_date->setEnabled(on);
    m_days->setEnabled(on);
}

QVariant TReminderBox::HintDate() const {
    if (!m_check->isChecked())
        return QVariant();
    return m_date->date().startOfDay();
}

void TReminderBox::SetHintDate(const QVariant& value) {
    const QDateTime date = value.toDateTime();
    if (value.isNull() || !date.isValid()) {
        m_check->setChecked(false);
        return;
    }
    m_date->setDateTime(date);
    m_check->setChecked(true);
}

void TReminderBox::BindTo(TDialogProperties& props) {
    props.Bind(
        QStringLiteral("HintDate"), [this] { return HintDate(); },
        [this](const QVariant& v) { SetHintDate(v); });
    props.BindText(QStringLiteral("HintDays"), m_days);
}
