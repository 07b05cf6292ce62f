#pragma once

#include <QString>

class TConfigEditor;
class TDatabase;

// Connects the database at start: tries the configured connection and, after
// each failure, lets the operator edit the settings, until a connection succeeds
// or the operator gives up. A database that has no tables yet (the default
// database file on a first start, or an empty server database) is brought into
// use with the delivered tables and rows.
class TDatabaseConnector {
  public:
    explicit TDatabaseConnector(TDatabase& db) : m_db(db) {}

    // True when the database is connected.
    bool Connect(TConfigEditor& editor);
    // One attempt with `connectionString`; failures have been shown.
    bool TryConnect(const QString& connectionString);

  private:
    // The file of an embedded-engine string that is the missing default file.
    bool IsMissingDefaultFile(const QString& connectionString, QString* file) const;
    bool Install(const QString& createdFile);

    TDatabase& m_db;
};
