#include "toolkit/zyEdit.h"

#include "app/Error.h"
#include "toolkit/EnterMovesFocus.h"
#include "toolkit/FocusColor.h"

#include <QKeyEvent>
#include <QLocale>

namespace {

bool IsAsciiDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

const QString kDateFormat = QStringLiteral("yyyy-MM-dd");
const QString kDateTimeFormat = QStringLiteral("yyyy-MM-dd hh:mm:ss");

[[noreturn]] void Fail(const char16_t* pattern, const QString& text) {
    throw EOrbelError(QString::fromUtf16(pattern).arg(text));
}

QDateTime ParseDateTime(const QString& text) {
    static const QStringList formats{
        QStringLiteral("yyyy-M-d h:m:s"), QStringLiteral("yyyy-M-d h:m"),
        QStringLiteral("yyyy/M/d h:m:s"), QStringLiteral("yyyy/M/d h:m")};
    for (const QString& f : formats) {
        const QDateTime dt = QDateTime::fromString(text, f);
        if (dt.isValid())
            return dt;
    }
    return {};
}

QDate ParseDate(const QString& text) {
    for (const QString& f : {QStringLiteral("yyyy-M-d"), QStringLiteral("yyyy/M/d")}) {
        const QDate d = QDate::fromString(text, f);
        if (d.isValid())
            return d;
    }
    return {};
}

} // namespace

TzyEdit::TzyEdit(QWidget* parent)
    : QLineEdit(parent), m_colorOnEnter(kColorOnEnter), m_colorOnReadOnly(kColorOnReadOnly) {}

bool TzyEdit::AcceptsTyped(int editType, const QString& current, QChar typed) {
    if (editType == etInteger)
        return IsAsciiDigit(typed);
    if (editType != etFloat)
        return true;
    if (typed == u'.')
        return !current.isEmpty() && !current.contains(u'.');
    if (typed == u'0')
        return current.contains(u'.') || !current.startsWith(u'0');
    return IsAsciiDigit(typed);
}

void TzyEdit::keyPressEvent(QKeyEvent* event) {
    if (m_tabOnEnter && EnterMovesFocus(this, event))
        return;
    const QString typed = event->text();
    const bool isCharacter = typed.size() == 1 && typed[0].isPrint() &&
                             !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (isCharacter && !AcceptsTyped(m_editType, text(), typed[0])) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void TzyEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    if (m_parentColor || m_painted)
        return;
    m_savedColor = BackgroundOf(this);
    m_painted = true;
    SetBackground(this, isReadOnly() ? m_colorOnReadOnly : m_colorOnEnter);
}

void TzyEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (!m_painted)
        return;
    m_painted = false;
    SetBackground(this, m_savedColor);
}

double TzyEdit::AsDouble() const {
    const QString t = text().trimmed();
    if (t.isEmpty())
        return 0;
    bool ok = false;
    const double value = QLocale::c().toDouble(t, &ok);
    if (!ok)
        Fail(u"\"%1\" 不是有效的数字.", text());
    return value;
}

void TzyEdit::SetAsDouble(double value) {
    setText(value == 0 ? QString()
                       : QLocale::c().toString(value, 'f', QLocale::FloatingPointShortest));
}

int TzyEdit::AsInteger() const {
    const QString t = text().trimmed();
    if (t.isEmpty())
        return 0;
    bool ok = false;
    const int value = t.toInt(&ok);
    if (!ok)
        Fail(u"\"%1\" 不是有效的整数.", text());
    return value;
}

void TzyEdit::SetAsInteger(int value) {
    setText(value == 0 ? QString() : QString::number(value));
}

QDate TzyEdit::AsDate() const {
    const QString t = text().trimmed();
    if (t.isEmpty())
        return {};
    QDate d = ParseDate(t);
    if (!d.isValid())
        d = ParseDateTime(t).date();
    if (!d.isValid())
        Fail(u"\"%1\" 不是有效的日期.", text());
    return d;
}

void TzyEdit::SetAsDate(const QDate& value) {
    setText(value.isValid() ? value.toString(kDateFormat) : QString());
}

QDateTime TzyEdit::AsDateTime() const {
    const QString t = text().trimmed();
    if (t.isEmpty())
        return {};
    QDateTime dt = ParseDateTime(t);
    if (!dt.isValid()) {
        const QDate d = ParseDate(t);
        if (d.isValid())
            dt = QDateTime(d, QTime(0, 0));
    }
    if (!dt.isValid())
        Fail(u"\"%1\" 不是有效的日期.", text());
    return dt;
}

void TzyEdit::SetAsDateTime(const QDateTime& value) {
    setText(value.isValid() ? value.toString(kDateTimeFormat) : QString());
}

QVariant TzyEdit::AsVariant() const {
    if (text().isEmpty())
        return {};
    switch (m_editType) {
    case etFloat:
        return AsDouble();
    case etInteger:
        return AsInteger();
    default:
        return text();
    }
}

void TzyEdit::SetAsVariant(const QVariant& value) {
    if (!value.isValid() || value.isNull()) {
        clear();
        return;
    }
    bool ok = true;
    if (m_editType == etFloat)
        SetAsDouble(value.toDouble(&ok));
    else if (m_editType == etInteger)
        SetAsInteger(value.toInt(&ok));
    else if (value.typeId() == QMetaType::QDateTime)
        SetAsDateTime(value.toDateTime());
    else if (value.typeId() == QMetaType::QDate)
        SetAsDate(value.toDate());
    else
        setText(value.toString());
    if (!ok)
        Fail(m_editType == etFloat ? u"\"%1\" 不是有效的数字." : u"\"%1\" 不是有效的整数.",
             value.toString());
}
