#include "data/Field.h"

#include "app/Error.h"
#include "data/DataSet.h"
#include "data/Dialect.h"

namespace {

bool IsTextKind(TFieldKind k) {
    return k == TFieldKind::WideString || k == TFieldKind::String || k == TFieldKind::Memo;
}

} // namespace

TField::TField(TDataSet* owner, TFieldKind kind, const QString& name, int index)
    : m_owner(owner), m_kind(kind), m_name(name), m_index(index),
      m_size(kind == TFieldKind::WideString || kind == TFieldKind::String ? 20 : 0),
      m_alignment(kind == TFieldKind::Integer || kind == TFieldKind::Float
                      ? TFieldAlignment::Right
                      : TFieldAlignment::Left) {}

int TField::DisplayWidth() const {
    if (m_displayWidth > 0)
        return m_displayWidth;
    switch (m_kind) {
    case TFieldKind::WideString:
    case TFieldKind::String:
        return qBound(4, m_size, 40);
    case TFieldKind::Memo:
        return 30;
    case TFieldKind::DateTime:
        return 18;
    case TFieldKind::Boolean:
        return 5;
    default:
        return 10;
    }
}

QDateTime TField::ToDateTime(const QVariant& v) {
    if (v.isNull())
        return QDateTime();
    switch (v.typeId()) {
    case QMetaType::QDateTime:
        return v.toDateTime();
    case QMetaType::QDate:
        return v.toDate().startOfDay();
    case QMetaType::QString: {
        const QString s = v.toString();
        QDateTime d = QDateTime::fromString(s, QLatin1String(kDbDateTimeFormat));
        if (!d.isValid())
            d = QDateTime::fromString(s, Qt::ISODate);
        if (!d.isValid()) {
            const QDate day = QDate::fromString(s.left(10), QStringLiteral("yyyy-MM-dd"));
            if (day.isValid())
                d = day.startOfDay();
        }
        return d;
    }
    default:
        return QDateTime();
    }
}

QString TField::ToText(TFieldKind kind, const QVariant& v) {
    if (v.isNull())
        return QString();
    switch (kind) {
    case TFieldKind::DateTime: {
        const QDateTime d = ToDateTime(v);
        if (!d.isValid())
            return QString();
        if (d.time() == QTime(0, 0))
            return d.toString(QStringLiteral("yyyy-MM-dd"));
        return d.toString(QLatin1String(kDbDateTimeFormat));
    }
    case TFieldKind::Boolean:
        return v.toInt() != 0 || v.toString() == QLatin1String("true") ? QStringLiteral("True")
                                                                       : QStringLiteral("False");
    case TFieldKind::Float: {
        const double d = v.toDouble();
        return QString::number(d, 'g', 15);
    }
    case TFieldKind::Blob:
        return QStringLiteral("(BLOB)");
    default:
        return v.toString();
    }
}

QVariant TField::Coerce(const QVariant& v) const {
    if (!v.isValid() || v.isNull())
        return QVariant();
    bool ok = true;
    switch (m_kind) {
    case TFieldKind::Integer: {
        if (v.typeId() == QMetaType::Int)
            return v;
        if (v.typeId() == QMetaType::QString) {
            const QString s = v.toString().trimmed();
            if (s.isEmpty())
                return QVariant();
            const int i = s.toInt(&ok);
            if (!ok)
                throw EOrbelError(QStringLiteral("'%1' 不是有效的整数值.").arg(s));
            return i;
        }
        return QVariant(int(qRound64(v.toDouble())));
    }
    case TFieldKind::Float: {
        if (v.typeId() == QMetaType::QString) {
            const QString s = v.toString().trimmed();
            if (s.isEmpty())
                return QVariant();
            const double d = s.toDouble(&ok);
            if (!ok)
                throw EOrbelError(QStringLiteral("'%1' 不是有效的浮点数值.").arg(s));
            return d;
        }
        return v.toDouble();
    }
    case TFieldKind::Boolean:
        if (v.typeId() == QMetaType::QString)
            return QVariant(v.toString().compare(QLatin1String("true"), Qt::CaseInsensitive) == 0 ||
                            v.toString() == QLatin1String("1") ||
                            v.toString() == QLatin1String("-1"));
        return QVariant(v.toBool());
    case TFieldKind::DateTime: {
        if (v.typeId() == QMetaType::QString && v.toString().trimmed().isEmpty())
            return QVariant();
        const QDateTime d = ToDateTime(v);
        if (!d.isValid())
            throw EOrbelError(QStringLiteral("'%1' 不是有效的日期时间值.").arg(v.toString()));
        return d;
    }
    case TFieldKind::Blob:
        return v.toByteArray();
    default:
        return v.toString();
    }
}

bool TField::IsNull() const {
    const QVariant v = m_owner->RawValue(m_index);
    return v.isNull() || !v.isValid();
}

QVariant TField::Value() const {
    const QVariant v = m_owner->RawValue(m_index);
    if (v.isNull())
        return QVariant();
    switch (m_kind) {
    case TFieldKind::DateTime:
        return ToDateTime(v);
    case TFieldKind::Boolean:
        return AsBoolean();
    case TFieldKind::Integer:
        return AsInteger();
    case TFieldKind::Float:
        return AsFloat();
    default:
        return v;
    }
}

QString TField::AsString() const {
    return ToText(m_kind, m_owner->RawValue(m_index));
}

int TField::AsInteger() const {
    const QVariant v = m_owner->RawValue(m_index);
    if (v.isNull())
        return 0;
    if (v.typeId() == QMetaType::Int)
        return v.toInt();
    if (v.typeId() == QMetaType::QString)
        return v.toString().trimmed().toInt();
    return int(qRound64(v.toDouble()));
}

double TField::AsFloat() const {
    const QVariant v = m_owner->RawValue(m_index);
    return v.isNull() ? 0.0 : v.toDouble();
}

bool TField::AsBoolean() const {
    const QVariant v = m_owner->RawValue(m_index);
    if (v.isNull())
        return false;
    if (v.typeId() == QMetaType::QString)
        return v.toString().compare(QLatin1String("true"), Qt::CaseInsensitive) == 0 ||
               v.toString().toInt() != 0;
    return v.toInt() != 0 || v.toBool();
}

QDateTime TField::AsDateTime() const {
    return ToDateTime(m_owner->RawValue(m_index));
}

QByteArray TField::AsBytes() const {
    const QVariant v = m_owner->RawValue(m_index);
    return v.isNull() ? QByteArray() : v.toByteArray();
}

QString TField::DisplayText() const {
    const QVariant v = m_owner->RawValue(m_index);
    if (v.isNull())
        return QString();
    if (m_kind == TFieldKind::Float && !m_displayFormat.isEmpty()) {
        const qsizetype dot = m_displayFormat.indexOf(u'.');
        const int decimals = dot < 0 ? 0 : int(m_displayFormat.size() - dot - 1);
        return QString::number(v.toDouble(), 'f', decimals);
    }
    if (m_kind == TFieldKind::Memo)
        return v.toString().section(u'\n', 0, 0).remove(u'\r');
    return ToText(m_kind, v);
}

void TField::SetValue(const QVariant& value) {
    m_owner->SetRawValue(m_index, Coerce(value));
}

void TField::SetAsString(const QString& v) {
    SetValue(v.isEmpty() && !IsTextKind(m_kind) ? QVariant() : QVariant(v));
}
