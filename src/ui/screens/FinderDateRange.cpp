#include "screens/FinderDateRange.h"

#include "screens/DialogProperties.h"

#include <QCheckBox>
#include <QDateTimeEdit>
#include <QHBoxLayout>
#include <QLabel>

namespace {

const QString kAny = QStringLiteral("不限");

} // namespace

TFinderDateRange::TFinderDateRange(const QString& caption, QWidget* parent)
    : QWidget(parent), m_check(new QCheckBox(caption, this)), m_from(NewPicker()),
      m_to(NewPicker()) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_check);
    layout->addWidget(m_from, 1);
    layout->addWidget(new QLabel(QStringLiteral("至"), this));
    layout->addWidget(m_to, 1);
    connect(m_check, &QCheckBox::toggled, this, [this] { ShowState(); });
    ShowState();
}

QDateTimeEdit* TFinderDateRange::NewPicker() {
    auto* picker = new QDateTimeEdit(QDateTime::currentDateTime(), this);
    picker->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    picker->setCalendarPopup(true);
    picker->setMinimumWidth(100);
    return picker;
}

// A picker shows its special text while its value is its minimum: an unchecked
// range pins the minimum to the value so that both pickers read "不限".
void TFinderDateRange::ShowState() {
    const bool on = m_check->isChecked();
    for (QDateTimeEdit* picker : {m_from, m_to}) {
        const QDateTime value = picker->dateTime();
        picker->clearMinimumDateTime();
        picker->setSpecialValueText(on ? QString() : kAny);
        if (!on)
            picker->setMinimumDateTime(value);
        picker->setDateTime(value);
        picker->setEnabled(on);
    }
}

void TFinderDateRange::SetValue(QDateTimeEdit* picker, const QDateTime& value) {
    picker->clearMinimumDateTime();
    picker->setDateTime(value.isValid() ? value : QDateTime::currentDateTime());
    ShowState();
}

void TFinderDateRange::BindTo(TDialogProperties& props, const QString& onName,
                              const QString& fromName, const QString& toName) {
    props.BindFlag(onName, m_check);
    for (auto [name, picker] : {std::pair{fromName, m_from}, std::pair{toName, m_to}}) {
        QDateTimeEdit* p = picker;
        props.Bind(
            name, [p] { return QVariant(p->dateTime()); },
            [this, p](const QVariant& v) { SetValue(p, v.toDateTime()); });
    }
}
