#include "operations/ChangeLog.h"

#include "data/Field.h"

#include <QDateTime>

namespace {

bool IsNumber(const QVariant& v) {
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
        return true;
    default:
        return false;
    }
}

bool IsDate(const QVariant& v) {
    return v.typeId() == QMetaType::QDateTime || v.typeId() == QMetaType::QDate;
}

bool IsEmptyValue(const QVariant& v) {
    if (!v.isValid() || v.isNull())
        return true;
    if (IsNumber(v))
        return v.toDouble() == 0;
    if (IsDate(v))
        return !TField::ToDateTime(v).isValid();
    return v.toString().isEmpty();
}

bool NumbersDiffer(double stored, const QVariant& newValue) {
    return stored != newValue.toDouble();
}

bool TypedDiffers(const TField& field, const QVariant& newValue) {
    if (field.IsNull() || !newValue.isValid() || newValue.isNull())
        return true;
    if (IsNumber(newValue) &&
        (field.Kind() == TFieldKind::Integer || field.Kind() == TFieldKind::Float))
        return NumbersDiffer(field.AsFloat(), newValue);
    if (IsDate(newValue))
        return field.AsDateTime() != TField::ToDateTime(newValue);
    if (newValue.typeId() == QMetaType::Bool)
        return field.AsBoolean() != newValue.toBool();
    return field.AsString() != TChangeLog::ValueText(newValue);
}

bool TextDiffers(const TField& field, const QVariant& newValue) {
    const QString stored = field.AsString();
    if (stored.isEmpty())
        return !IsEmptyValue(newValue);
    if (!newValue.isValid() || newValue.isNull())
        return true;
    if (IsNumber(newValue)) {
        bool ok = false;
        const double d = stored.trimmed().toDouble(&ok);
        return !ok || NumbersDiffer(d, newValue);
    }
    if (IsDate(newValue)) {
        const QDateTime d = TField::ToDateTime(stored);
        return !d.isValid() || d != TField::ToDateTime(newValue);
    }
    return stored != newValue.toString();
}

QString PlainNumber(double d) {
    QString s = QString::number(d, 'f', 10);
    while (s.endsWith(u'0'))
        s.chop(1);
    if (s.endsWith(u'.'))
        s.chop(1);
    return s == QLatin1String("-0") ? QStringLiteral("0") : s;
}

} // namespace

bool TChangeLog::Differs(TChangeRule rule, const TField& field, const QVariant& newValue) {
    return rule == TChangeRule::Typed ? TypedDiffers(field, newValue)
                                      : TextDiffers(field, newValue);
}

QString TChangeLog::ValueText(const QVariant& value) {
    if (!value.isValid() || value.isNull())
        return QString();
    if (value.typeId() == QMetaType::Double || value.typeId() == QMetaType::Float)
        return PlainNumber(value.toDouble());
    if (IsDate(value)) {
        const QDateTime d = TField::ToDateTime(value);
        if (!d.isValid())
            return QString();
        return d.toString(d.time() == QTime(0, 0) ? QStringLiteral("yyyy-MM-dd")
                                                  : QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    }
    return value.toString();
}

void TChangeLog::Compare(const TField& field, const QVariant& newValue) {
    if (!Differs(m_rule, field, newValue))
        return;
    m_text = QStringLiteral("%1%2: \"%3\" → \"%4\"%5")
                 .arg(m_text, field.DisplayLabel(), ValueText(field.Value()), ValueText(newValue),
                      QStringLiteral("\r\n"));
}
