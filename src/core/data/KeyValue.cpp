#include "data/KeyValue.h"

#include "data/Database.h"
#include "data/RecordSet.h"

QVariant TKeyValue::GetValue(int key) const {
    TRecordSet& scratch = ScratchSet();
    scratch.Open(QStringLiteral("select [Value] from [keyvalue] where [KeyId]=:KeyId1"),
                 {Param(QStringLiteral("KeyId1"), key)});
    if (scratch.DataSet()->IsEmpty())
        return QVariant();
    return scratch.DataSet()->Field(0)->Value();
}

QString TKeyValue::GetText(int key, const QString& defaultText) const {
    const QVariant v = GetValue(key);
    return v.isNull() ? defaultText : v.toString();
}

bool TKeyValue::TextToFlag(const QString& text, bool* ok) {
    const QString t = text.trimmed();
    *ok = true;
    if (t.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
        return true;
    if (t.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
        return false;
    const double number = t.toDouble(ok);
    return *ok && number != 0;
}

bool TKeyValue::GetFlag(int key, bool defaultFlag) const {
    const QVariant v = GetValue(key);
    if (v.isNull())
        return defaultFlag;
    bool ok = false;
    const bool flag = TextToFlag(v.toString(), &ok);
    return ok ? flag : defaultFlag;
}

void TKeyValue::SetValue(int key, const QVariant& value) const {
    // [Value] is a text column: flags go in as "1" or "0".
    QVariant text;
    if (value.typeId() == QMetaType::Bool)
        text = value.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    else if (!value.isNull())
        text = value.toString();
    else
        text = QVariant(QMetaType::fromType<QString>());

    TRecordSet& scratch = ScratchSet();
    scratch.Open(QStringLiteral("select KeyId from keyvalue where KeyId=:KeyId"),
                 {Param(QStringLiteral("KeyId"), key)});
    const bool missing = scratch.DataSet()->IsEmpty();
    scratch.Close();
    const TDBParameters params{Param(QStringLiteral("KeyId"), key),
                               Param(QStringLiteral("Value"), text)};
    if (missing)
        DbConnection().Execute(
            QStringLiteral("insert into keyvalue(KeyId, [Value]) values (:KeyId, :Value)"), params);
    else
        DbConnection().Execute(
            QStringLiteral("update keyvalue set [Value]=:Value where KeyId=:KeyId"), params);
}
