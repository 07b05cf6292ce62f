#pragma once

#include <QString>
#include <QStringList>

// A statement with named placeholders turned into positional ones. `names` lists
// the placeholder of each '?' in order; a name used twice appears twice.
struct TPositionalSql {
    QString sql;
    QStringList names;
};

// Replaces every :Name outside quotes, brackets and comments by '?'. A doubled
// colon (a PostgreSQL cast) is left alone.
TPositionalSql ToPositional(const QString& sql);
