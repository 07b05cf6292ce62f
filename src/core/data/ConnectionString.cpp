#include "data/ConnectionString.h"

namespace {

// Reads a value in quotes starting at text[pos] (the opening quote); a doubled
// quote stands for one quote. Leaves pos after the closing quote.
QString QuotedValue(const QString& text, qsizetype& pos) {
    const QChar quote = text[pos++];
    QString value;
    while (pos < text.size()) {
        if (text[pos] == quote) {
            if (pos + 1 < text.size() && text[pos + 1] == quote) {
                value += quote;
                pos += 2;
                continue;
            }
            ++pos;
            break;
        }
        value += text[pos++];
    }
    return value;
}

} // namespace

QHash<QString, QString> ParseConnectionString(const QString& text) {
    QHash<QString, QString> pairs;
    qsizetype pos = 0;
    while (pos < text.size()) {
        qsizetype end = text.indexOf(u';', pos);
        if (end < 0)
            end = text.size();
        const qsizetype eq = text.indexOf(u'=', pos);
        if (eq < 0 || eq >= end) {
            pos = end + 1;
            continue;
        }
        const QString key = text.mid(pos, eq - pos).trimmed().toLower();
        qsizetype valueAt = eq + 1;
        while (valueAt < text.size() && text[valueAt].isSpace())
            ++valueAt;
        QString value;
        if (valueAt < text.size() && (text[valueAt] == u'"' || text[valueAt] == u'\'')) {
            // A value in quotes may hold ';'; the pair ends at the next ';' after it.
            value = QuotedValue(text, valueAt);
            end = text.indexOf(u';', valueAt);
            if (end < 0)
                end = text.size();
        } else {
            value = text.mid(eq + 1, end - eq - 1).trimmed();
        }
        if (!key.isEmpty() && !pairs.contains(key))
            pairs.insert(key, value);
        pos = end + 1;
    }
    return pairs;
}
