#include "data/ConnectionString.h"

#include <QStringList>

QHash<QString, QString> ParseConnectionString(const QString& text) {
    QHash<QString, QString> pairs;
    const QStringList parts = text.split(u';');
    for (const QString& part : parts) {
        const qsizetype eq = part.indexOf(u'=');
        if (eq <= 0)
            continue;
        const QString key = part.left(eq).trimmed().toLower();
        if (!pairs.contains(key))
            pairs.insert(key, part.mid(eq + 1).trimmed());
    }
    return pairs;
}
