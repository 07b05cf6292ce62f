#pragma once

#include <QString>
#include <QStringList>

class TDatabase;

// The 21 tables of the agency database, defined once and rendered for the engine.
class TSchema {
  public:
    // Names of all tables, in creation order.
    static QStringList TableNames();
    // The CREATE TABLE statements for the engine of `db`.
    static QStringList CreateStatements(bool server);
    // Creates every table in one transaction.
    static void Create(TDatabase& db);
    // True when the database holds the table `house` (the database is in use).
    static bool Exists(TDatabase& db);
};
