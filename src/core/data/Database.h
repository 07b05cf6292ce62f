#pragma once

#include "app/Error.h"
#include "data/DBParameter.h"
#include "data/Dialect.h"

#include <QDateTime>
#include <QSqlDatabase>
#include <QString>

#include <memory>

class QSqlQuery;

// A statement the engine refused: the text shown is the engine's message, CR LF
// and the statement; EngineMessage() is the engine's message alone.
class EStatementError : public EOrbelError {
  public:
    EStatementError(const QString& engineMessage, const QString& sql)
        : EOrbelError(engineMessage + QStringLiteral("\r\n") + sql), m_engine(engineMessage) {}
    const QString& EngineMessage() const { return m_engine; }

  private:
    QString m_engine;
};

// Provider names of the connection string. The embedded engine plays the role of
// the desktop database file, the server engine that of the shared server.
inline constexpr const char* kProviderSqlite = "SQLite";
inline constexpr const char* kProviderPostgres = "PostgreSQL";

// The program's one database connection. It is opened from a connection string
// of Key=Value; pairs, runs statements with named parameters, owns the engine's
// SQL dialect and the one transaction level.
class TDatabase {
  public:
    TDatabase();
    ~TDatabase();
    TDatabase(const TDatabase&) = delete;
    TDatabase& operator=(const TDatabase&) = delete;

    // Closes, takes the new string and opens. A failure is shown as
    // "连接时失败,提示如下:\r\n…" and gives false; nothing is raised.
    bool Connect(const QString& connectionString);
    bool Connected() const;
    // Opens (with the current string) or closes.
    void SetConnected(bool open);
    void Close();

    // A statement without result rows. Errors are raised with the engine's
    // message, CR LF and the statement.
    void Execute(const QString& sql, const TDBParameters& params = {},
                 const TxDBParameters& blobs = {});
    // As Execute, prepared; returns the number of rows affected.
    int ExecSQL(const QString& sql, const TDBParameters& params = {},
                const TxDBParameters& blobs = {});

    QString ConnectionString() const { return m_connStr; }
    // The value of one key of the connection string, read as the string is
    // written: the text after "key=" up to the next ';'.
    QString ConnStrValue(const QString& key) const;
    QString DataSource() const { return ConnStrValue(QStringLiteral("Data Source")); }
    QString Provider() const { return ConnStrValue(QStringLiteral("Provider")); }
    // True for the server engine. Decided by the Provider key alone.
    bool IsSqlServer() const;
    // The day of `d` as a date literal of the engine's SQL.
    QString DateLiteral(const QDateTime& d) const;
    QString DateLiteral(const QDate& d) const;
    QDateTime ServerNow();

    void BeginTrans();
    void CommitTrans();
    void RollbackTrans();
    bool InTransaction() const { return m_inTransaction; }

    const TDialect& Dialect() const;
    // Opens when closed; raises the connection error when that fails.
    QSqlDatabase& EnsureOpen();
    // Runs `sql` (rendered for the engine) on `query` with the parameters bound by
    // name. Raises "参数 … 不存在" for a parameter the statement does not use and
    // EStatementError when the engine refuses the statement.
    void Exec(QSqlQuery& query, const QString& sql, const TDBParameters& params,
              const TxDBParameters& blobs = {});
    // The text of an engine error followed by CR LF and the statement.
    static QString StatementError(const QString& engineMessage, const QString& sql);

    // When set, opening an embedded database file that does not exist creates it;
    // otherwise a missing file is a connection error.
    void SetCreateMissingFile(bool create) { m_createMissing = create; }

  private:
    bool Open(QString* error);
    int Run(const QString& sql, const TDBParameters& params, const TxDBParameters& blobs);

    QString m_connStr;
    QString m_name;
    QSqlDatabase m_db;
    std::unique_ptr<TDialect> m_dialect;
    bool m_inTransaction = false;
    bool m_createMissing = false;
};

// The program-wide connection.
TDatabase& DbConnection();

// Rolls back the transaction it began unless Commit was called.
class TTransaction {
  public:
    explicit TTransaction(TDatabase& db) : m_db(db) { m_db.BeginTrans(); }
    ~TTransaction() {
        if (!m_done) {
            try {
                m_db.RollbackTrans();
            } catch (...) {
            }
        }
    }
    void Commit() {
        m_db.CommitTrans();
        m_done = true;
    }

  private:
    TDatabase& m_db;
    bool m_done = false;
};
