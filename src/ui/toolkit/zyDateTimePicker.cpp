#include "toolkit/zyDateTimePicker.h"

#include "toolkit/FocusColor.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QStyle>

TzyDateTimePicker::TzyDateTimePicker(QWidget* parent)
    : QDateTimeEdit(QDateTime::currentDateTime(), parent), m_checkbox(new QCheckBox(this)) {
    setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    setCalendarPopup(true);
    // The display format drops what it does not show; the value keeps the time of day.
    setDateTime(QDateTime::currentDateTime());
    m_checkbox->setFocusPolicy(Qt::NoFocus);
    m_checkbox->setChecked(false);
    m_checkbox->hide();
    connect(m_checkbox, &QCheckBox::toggled, this, [this](bool on) {
        ShowState();
        emit CheckedChanged(on);
    });
}

void TzyDateTimePicker::SetShowCheckbox(bool show) {
    m_showCheckbox = show;
    m_checkbox->setVisible(show);
    PlaceCheckbox();
    ShowState();
}

bool TzyDateTimePicker::Checked() const {
    return m_checkbox->isChecked();
}

void TzyDateTimePicker::SetChecked(bool checked) {
    m_checkbox->setChecked(checked);
}

QDateTime TzyDateTimePicker::AsDateTime() const {
    return HasValue() ? dateTime() : QDateTime();
}

QDate TzyDateTimePicker::AsDate() const {
    return HasValue() ? date() : QDate();
}

QTime TzyDateTimePicker::AsTime() const {
    return HasValue() ? time() : QTime();
}

void TzyDateTimePicker::SetAsDateTime(const QDateTime& value) {
    if (value.isValid()) {
        setDateTime(value);
        SetChecked(true);
        return;
    }
    setDateTime(QDateTime::currentDateTime());
    SetChecked(false);
}

void TzyDateTimePicker::SetAsDate(const QDate& value) {
    SetAsDateTime(value.isValid() ? QDateTime(value, QTime(0, 0)) : QDateTime());
}

void TzyDateTimePicker::SetAsTime(const QTime& value) {
    if (value.isValid()) {
        setTime(value);
        SetChecked(true);
    } else if (m_showCheckbox) {
        SetChecked(false);
    } else {
        setDateTime(QDateTime::currentDateTime());
    }
}

void TzyDateTimePicker::resizeEvent(QResizeEvent* event) {
    QDateTimeEdit::resizeEvent(event);
    PlaceCheckbox();
}

// The check box sits inside the frame at the left, before the text.
void TzyDateTimePicker::PlaceCheckbox() {
    const QSize box = m_checkbox->sizeHint();
    const int frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    m_checkbox->setGeometry(frame + 2, (height() - box.height()) / 2, box.width(), box.height());
    lineEdit()->setTextMargins(m_showCheckbox ? box.width() + 2 : 0, 0, 0, 0);
}

// Without a date the text is greyed, as the operator sees that no date is given.
void TzyDateTimePicker::ShowState() {
    QPalette palette = lineEdit()->palette();
    const QPalette::ColorGroup group = HasValue() ? QPalette::Active : QPalette::Disabled;
    palette.setColor(QPalette::Text, this->palette().color(group, QPalette::Text));
    lineEdit()->setPalette(palette);
}

void TzyDateTimePicker::focusInEvent(QFocusEvent* event) {
    QDateTimeEdit::focusInEvent(event);
    SetBackground(this, kColorOnEnter);
}

void TzyDateTimePicker::focusOutEvent(QFocusEvent* event) {
    QDateTimeEdit::focusOutEvent(event);
    SetBackground(this, Qt::white);
}
