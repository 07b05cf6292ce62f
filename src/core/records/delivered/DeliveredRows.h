#pragma once

#include "data/DBParameter.h"

#include <QString>
#include <QStringList>

class TDatabase;

// The few statement shapes the delivered rows need. Every value is bound as a
// parameter named after its column.
class TDeliveredRows {
public:
    // Runs "insert into [table]([A],[B]…)values(:A,:B…)" with the given values.
    static void Insert(TDatabase& db, const QString& table, const TDBParameters& values);
    // True when the query returns at least one row.
    static bool Exists(TDatabase& db, const QString& sql, const TDBParameters& params = {});
    // True when the table holds no row.
    static bool IsEmpty(TDatabase& db, const QString& table);
    // Items joined one per line with CR LF, as pick lists and rate tables store them.
    static QString Lines(const QStringList& items);
};
