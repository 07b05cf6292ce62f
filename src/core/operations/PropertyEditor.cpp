#include "operations/PropertyEditor.h"

#include "app/Error.h"
#include "data/Field.h"

#include <cmath>

namespace {

bool IsBlank(const QVariant& v) {
    if (!v.isValid() || v.isNull())
        return true;
    switch (v.typeId()) {
    case QMetaType::QString:
        return v.toString().trimmed().isEmpty();
    case QMetaType::QDateTime:
        return !v.toDateTime().isValid();
    case QMetaType::QDate:
        return !v.toDate().isValid();
    default:
        return false;
    }
}

int ToInteger(const QVariant& v) {
    if (IsBlank(v))
        return 0;
    if (v.typeId() != QMetaType::QString)
        return int(std::llround(v.toDouble()));
    bool ok = false;
    const int i = v.toString().trimmed().toInt(&ok);
    if (!ok)
        throw EOrbelError(QStringLiteral("\"%1\" 不是有效的整数.").arg(v.toString()));
    return i;
}

double ToDecimal(const QVariant& v) {
    if (IsBlank(v))
        return 0;
    if (v.typeId() != QMetaType::QString)
        return v.toDouble();
    bool ok = false;
    const double d = v.toString().trimmed().toDouble(&ok);
    if (!ok)
        throw EOrbelError(QStringLiteral("\"%1\" 不是有效的数字.").arg(v.toString()));
    return d;
}

QDateTime ToDateTime(const QVariant& v) {
    if (IsBlank(v))
        return QDateTime();
    const QDateTime d = TField::ToDateTime(v);
    if (!d.isValid())
        throw EOrbelError(QStringLiteral("\"%1\" 不是有效的日期.").arg(v.toString()));
    return d;
}

} // namespace

TPropertyKind TPropertyEditor::KindOf(const QString& name) const {
    for (const TEditorProperty& p : Properties())
        if (p.Name == name)
            return p.Kind;
    throw EOrbelError(QStringLiteral("编辑窗口没有属性 %1").arg(name));
}

bool TPropertyEditor::Publishes(const QString& name) const {
    for (const TEditorProperty& p : Properties())
        if (p.Name == name)
            return true;
    return false;
}

QVariant TPropertyEditor::Normalize(TPropertyKind kind, const QVariant& value) {
    switch (kind) {
    case TPropertyKind::Text:
        return IsBlank(value) && value.typeId() != QMetaType::QString ? QString()
                                                                      : value.toString();
    case TPropertyKind::Integer:
        return ToInteger(value);
    case TPropertyKind::Decimal:
        return ToDecimal(value);
    case TPropertyKind::Money:
        return std::round(ToDecimal(value) * 10000.0) / 10000.0;
    case TPropertyKind::DateTime:
        return ToDateTime(value);
    case TPropertyKind::Date: {
        const QDateTime d = ToDateTime(value);
        return d.isValid() ? d.date().startOfDay() : QDateTime();
    }
    case TPropertyKind::OptionalDate: {
        const QDateTime d = ToDateTime(value);
        return d.isValid() ? QVariant(d.date().startOfDay()) : QVariant();
    }
    case TPropertyKind::Boolean:
        if (value.typeId() == QMetaType::QString)
            return value.toString().compare(QLatin1String("true"), Qt::CaseInsensitive) == 0 ||
                   value.toString() == QLatin1String("1");
        return value.toBool();
    }
    return value;
}
