#include "TestDatabase.h"

#include "app/Error.h"
#include "data/Database.h"
#include "records/DeliveredDatabase.h"
#include "records/Schema.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QDir>
#include <QHash>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <memory>

namespace {

TTestEngine g_current;
QAtomicInt g_counter;
QStringList g_serverDatabases; // made on the test server, dropped at the end

QHash<QString, QString> PgSettings() {
    QHash<QString, QString> s;
    for (const QString& part :
         qEnvironmentVariable("ORBEL_TEST_PG").split(u' ', Qt::SkipEmptyParts)) {
        const qsizetype eq = part.indexOf(u'=');
        if (eq > 0)
            s.insert(part.left(eq), part.mid(eq + 1));
    }
    return s;
}

QTemporaryDir& TempDir() {
    static QTemporaryDir* dir = new QTemporaryDir;
    return *dir;
}

void CreatePgDatabase(const QString& name) {
    const auto s = PgSettings();
    const QString admin = QStringLiteral("orbel-test-admin");
    {
        QSqlDatabase db = QSqlDatabase::contains(admin)
                              ? QSqlDatabase::database(admin)
                              : QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), admin);
        db.setHostName(s.value(QStringLiteral("host"), QStringLiteral("localhost")));
        db.setPort(s.value(QStringLiteral("port"), QStringLiteral("5432")).toInt());
        db.setUserName(s.value(QStringLiteral("user")));
        db.setPassword(s.value(QStringLiteral("password")));
        db.setDatabaseName(s.value(QStringLiteral("dbname"), QStringLiteral("postgres")));
        if (!db.isOpen() && !db.open())
            qFatal("cannot reach the test server: %s", qPrintable(db.lastError().text()));
        QSqlQuery q(db);
        if (!q.exec(
                QStringLiteral("create database %1 encoding 'UTF8' template template0").arg(name)))
            qFatal("cannot create a test database: %s", qPrintable(q.lastError().text()));
    }
}

void DropServerDatabases() {
    const QString admin = QStringLiteral("orbel-test-admin");
    if (g_serverDatabases.isEmpty() || !QSqlDatabase::contains(admin))
        return;
    QSqlQuery q(QSqlDatabase::database(admin));
    for (const QString& name : std::as_const(g_serverDatabases))
        q.exec(QStringLiteral("drop database if exists %1").arg(name));
    g_serverDatabases.clear();
}

} // namespace

QList<TTestEngine> TestEngines() {
    QList<TTestEngine> engines{{QStringLiteral("sqlite"), false}};
    if (!qEnvironmentVariable("ORBEL_TEST_PG").isEmpty())
        engines << TTestEngine{QStringLiteral("postgresql"), true};
    return engines;
}

const TTestEngine& CurrentEngine() {
    return g_current;
}

QString NewDatabaseString() {
    const int n = g_counter.fetchAndAddRelaxed(1);
    if (!g_current.server) {
        const QString file = QDir(TempDir().path()).filePath(QStringLiteral("test%1.db").arg(n));
        return QStringLiteral("Provider=SQLite;Data Source=%1;Persist Security Info=True")
            .arg(file);
    }
    const auto s = PgSettings();
    const QString name =
        QStringLiteral("orbel_t%1_%2").arg(QCoreApplication::applicationPid()).arg(n);
    CreatePgDatabase(name);
    return QStringLiteral("Provider=PostgreSQL;User ID=%1;Password=%2;Initial Catalog=%3;Data "
                          "Source=%4,%5;Persist Security Info=False")
        .arg(s.value(QStringLiteral("user")), s.value(QStringLiteral("password")), name,
             s.value(QStringLiteral("host"), QStringLiteral("localhost")),
             s.value(QStringLiteral("port"), QStringLiteral("5432")));
}

QString FreshDatabase(TTestContent content) {
    const QString conn = NewDatabaseString();
    TDatabase& db = DbConnection();
    db.SetCreateMissingFile(true);
    const bool ok = db.Connect(conn);
    db.SetCreateMissingFile(false);
    if (!ok)
        qFatal("cannot open the test database %s", qPrintable(conn));
    try {
        if (content == TTestContent::Tables)
            TSchema::Create(db);
        else if (content == TTestContent::Delivered)
            TDeliveredDatabase::InstallSettings(db);
        else if (content == TTestContent::Demo)
            TDeliveredDatabase::InstallAll(db);
    } catch (const EOrbelError& e) {
        qFatal("cannot fill the test database: %s", qPrintable(e.Message()));
    }
    return conn;
}

int RunOnEngines(QObject* test, int argc, char** argv) {
    int failures = 0;
    for (const TTestEngine& engine : TestEngines()) {
        g_current = engine;
        std::fprintf(stdout, "=== engine: %s\n", qPrintable(engine.name));
        std::fflush(stdout);
        failures += QTest::qExec(test, argc, argv);
        DbConnection().Close();
    }
    DropServerDatabases();
    return failures;
}
