#include "data/Database.h"

#include "app/Error.h"
#include "app/Messenger.h"
#include "data/ConnectionString.h"
#include "data/SqlText.h"

#include <QAtomicInt>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {

QAtomicInt g_connectionCounter;

QString EngineMessage(const QSqlError& e) {
    QString text = e.databaseText().trimmed();
    if (text.isEmpty())
        text = e.driverText().trimmed();
    if (text.isEmpty())
        text = e.text().trimmed();
    return text;
}

} // namespace

TDatabase::TDatabase()
    : m_name(QStringLiteral("orbel-%1").arg(g_connectionCounter.fetchAndAddRelaxed(1))),
      m_dialect(TDialect::ForServer(false)) {}

TDatabase::~TDatabase() {
    Close();
    m_db = QSqlDatabase();
    if (QSqlDatabase::contains(m_name))
        QSqlDatabase::removeDatabase(m_name);
}

bool TDatabase::Connect(const QString& connectionString) {
    Close();
    m_connStr = connectionString;
    QString error;
    if (Open(&error))
        return true;
    ShowInfo(QStringLiteral("连接时失败,提示如下:\r\n%1").arg(error));
    return false;
}

bool TDatabase::Connected() const {
    return m_db.isValid() && m_db.isOpen();
}

void TDatabase::SetConnected(bool open) {
    if (open == Connected())
        return;
    if (!open) {
        Close();
        return;
    }
    QString error;
    if (!Open(&error))
        throw EOrbelError(QStringLiteral("连接时失败,提示如下:\r\n%1").arg(error));
}

void TDatabase::Close() {
    if (m_db.isValid() && m_db.isOpen())
        m_db.close();
    m_inTransaction = false;
}

bool TDatabase::Open(QString* error) {
    const auto pairs = ParseConnectionString(m_connStr);
    const QString provider = pairs.value(QStringLiteral("provider"));
    const QString source = pairs.value(QStringLiteral("data source"));
    const bool server = provider != QLatin1String(kProviderSqlite);
    if (provider.isEmpty()) {
        *error = QStringLiteral("连接字符串中没有指定数据提供程序(Provider).");
        return false;
    }
    if (provider != QLatin1String(kProviderSqlite) &&
        provider != QLatin1String(kProviderPostgres)) {
        *error = QStringLiteral("不支持的数据提供程序: %1").arg(provider);
        return false;
    }

    m_db = QSqlDatabase();
    if (QSqlDatabase::contains(m_name))
        QSqlDatabase::removeDatabase(m_name);
    m_dialect = TDialect::ForServer(server);

    if (!server) {
        if (source.isEmpty()) {
            *error = QStringLiteral("没有指定数据库文件.");
            return false;
        }
        const QFileInfo file(source);
        if (!file.exists() && !m_createMissing) {
            *error = QStringLiteral("数据库文件\"%1\"不存在.").arg(source);
            return false;
        }
        m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        m_db.setDatabaseName(source);
        // A second program on the same file waits for a lock instead of failing.
        m_db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=10000"));
    } else {
        m_db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), m_name);
        const qsizetype comma = source.lastIndexOf(u',');
        QString host = comma < 0 ? source : source.left(comma).trimmed();
        if (comma >= 0) {
            bool ok = false;
            const int port = source.mid(comma + 1).trimmed().toInt(&ok);
            if (!ok || port <= 0 || port > 65535) {
                *error = QStringLiteral("服务器端口\"%1\"无效.").arg(source.mid(comma + 1));
                return false;
            }
            m_db.setPort(port);
        }
        m_db.setHostName(host);
        m_db.setDatabaseName(pairs.value(QStringLiteral("initial catalog")));
        m_db.setUserName(pairs.value(QStringLiteral("user id")));
        m_db.setPassword(pairs.value(QStringLiteral("password")));
        m_db.setConnectOptions(QStringLiteral("connect_timeout=15"));
    }
    if (!m_db.open()) {
        *error = EngineMessage(m_db.lastError());
        return false;
    }
    QSqlQuery q(m_db);
    if (!server) {
        // Reading the catalogue proves the file is a database; WAL lets readers
        // on other seats go on while one writes.
        if (!q.exec(QStringLiteral("select count(*) from sqlite_master")) ||
            !q.exec(QStringLiteral("PRAGMA journal_mode=WAL"))) {
            *error = EngineMessage(q.lastError());
            m_db.close();
            return false;
        }
    } else {
        q.exec(QStringLiteral("SET client_min_messages TO WARNING"));
    }
    return true;
}

QSqlDatabase& TDatabase::EnsureOpen() {
    if (!Connected()) {
        QString error;
        if (!Open(&error))
            throw EOrbelError(QStringLiteral("连接时失败,提示如下:\r\n%1").arg(error));
    }
    return m_db;
}

const TDialect& TDatabase::Dialect() const {
    return *m_dialect;
}

QString TDatabase::StatementError(const QString& engineMessage, const QString& sql) {
    return engineMessage + QStringLiteral("\r\n") + sql;
}

void TDatabase::Exec(QSqlQuery& query, const QString& sql, const TDBParameters& params,
                     const TxDBParameters& blobs) {
    const TPositionalSql positional = ToPositional(m_dialect->Render(sql));
    QList<QVariant> values(positional.names.size());
    QList<bool> bound(positional.names.size(), false);
    auto bind = [&](const QString& name, const QVariant& value) {
        bool found = false;
        for (qsizetype i = 0; i < positional.names.size(); ++i) {
            if (positional.names[i].compare(name, Qt::CaseInsensitive) == 0) {
                values[i] = value;
                bound[i] = true;
                found = true;
            }
        }
        if (!found)
            throw EOrbelError(QStringLiteral("参数 %1 不存在.").arg(name));
    };
    for (const TDBParameter& p : params)
        bind(p.Name, m_dialect->BindValue(p.Value));
    for (const TxDBParameter& b : blobs)
        bind(b.Name, QVariant(b.Stream.isNull() ? QByteArray("") : b.Stream));
    for (qsizetype i = 0; i < bound.size(); ++i) {
        if (!bound[i])
            throw EStatementError(QStringLiteral("参数 %1 没有给定值.").arg(positional.names[i]),
                                  sql);
    }
    // A statement without parameters runs as it is: the server cannot prepare
    // data-definition statements.
    if (values.isEmpty()) {
        if (!query.exec(positional.sql))
            throw EStatementError(EngineMessage(query.lastError()), sql);
        return;
    }
    if (!query.prepare(positional.sql))
        throw EStatementError(EngineMessage(query.lastError()), sql);
    for (qsizetype i = 0; i < values.size(); ++i)
        query.bindValue(int(i), values[i]);
    if (!query.exec())
        throw EStatementError(EngineMessage(query.lastError()), sql);
}

int TDatabase::Run(const QString& sql, const TDBParameters& params, const TxDBParameters& blobs) {
    QSqlQuery query(EnsureOpen());
    Exec(query, sql, params, blobs);
    return query.numRowsAffected();
}

void TDatabase::Execute(const QString& sql, const TDBParameters& params,
                        const TxDBParameters& blobs) {
    Run(sql, params, blobs);
}

int TDatabase::ExecSQL(const QString& sql, const TDBParameters& params,
                       const TxDBParameters& blobs) {
    return qMax(0, Run(sql, params, blobs));
}

QString TDatabase::ConnStrValue(const QString& key) const {
    const qsizetype at = m_connStr.indexOf(key);
    if (at < 0)
        return QString();
    const qsizetype start = at + key.size() + 1;
    const qsizetype end = m_connStr.indexOf(u';', start);
    if (end < 0)
        return QString();
    return m_connStr.mid(start, end - start);
}

bool TDatabase::IsSqlServer() const {
    return Provider() != QLatin1String(kProviderSqlite);
}

QString TDatabase::DateLiteral(const QDateTime& d) const {
    return DateLiteral(d.date());
}

QString TDatabase::DateLiteral(const QDate& d) const {
    return TDialect::ForServer(IsSqlServer())->DateLiteral(d);
}

QDateTime TDatabase::ServerNow() {
    QSqlQuery query(EnsureOpen());
    const QString sql = m_dialect->ServerNowQuery();
    if (!query.exec(sql) || !query.next())
        throw EStatementError(EngineMessage(query.lastError()), sql);
    const QVariant v = query.value(0);
    if (v.typeId() == QMetaType::QDateTime)
        return v.toDateTime();
    return QDateTime::fromString(v.toString(), QLatin1String(kDbDateTimeFormat));
}

void TDatabase::BeginTrans() {
    if (m_inTransaction)
        throw EOrbelError(QStringLiteral("不支持嵌套的事务."));
    if (!EnsureOpen().transaction())
        throw EOrbelError(EngineMessage(m_db.lastError()));
    m_inTransaction = true;
}

void TDatabase::CommitTrans() {
    if (!m_inTransaction)
        return;
    const bool ok = m_db.commit();
    m_inTransaction = false;
    if (!ok)
        throw EOrbelError(EngineMessage(m_db.lastError()));
}

void TDatabase::RollbackTrans() {
    if (!m_inTransaction)
        return;
    m_inTransaction = false;
    if (!m_db.rollback())
        throw EOrbelError(EngineMessage(m_db.lastError()));
}

TDatabase& DbConnection() {
    static TDatabase* db = new TDatabase;
    return *db;
}
