#include "operations/Conversions.h"

#include "app/Error.h"

#include <QLocale>

#include <cmath>

qint64 StrToInt(const QString& text) {
    bool ok = false;
    const qint64 value = QLocale::c().toLongLong(text.trimmed(), &ok);
    if (!ok)
        throw EOrbelError(QStringLiteral("\"%1\" 不是有效的整数.").arg(text));
    return value;
}

int StrToInt32(const QString& text) {
    bool ok = false;
    const int value = QLocale::c().toInt(text.trimmed(), &ok);
    if (!ok)
        throw EOrbelError(QStringLiteral("\"%1\" 不是有效的整数.").arg(text));
    return value;
}

double StrToAmount(const QString& text) {
    bool ok = false;
    const double value = QLocale::c().toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(value))
        throw EOrbelError(QStringLiteral("\"%1\" 不是有效的数值.").arg(text));
    return std::round(value * 10000.0) / 10000.0;
}
