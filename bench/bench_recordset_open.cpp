// Reading 100,000 clients into a client record set, against a plain forward-only
// QSqlQuery loop and the sqlite3 C API stepping the same rows, in one run on one
// generated SQLite file. Prints the best of several rounds of each and the ratios.

#include "app/Error.h"
#include "data/Database.h"
#include "records/ClientSet.h"
#include "records/Schema.h"

#include "BenchData.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

// ORBEL_BENCH_ROWS and ORBEL_BENCH_ROUNDS shrink the run for a profiler.
int Setting(const char* name, int fallback) {
    const int v = qEnvironmentVariableIntValue(name);
    return v > 0 ? v : fallback;
}
const int kClients = Setting("ORBEL_BENCH_ROWS", 100000);
const int kRounds = Setting("ORBEL_BENCH_ROUNDS", 5);

void Check(int rc, sqlite3* db, const char* what) {
    if (rc != SQLITE_OK && rc != SQLITE_DONE && rc != SQLITE_ROW)
        qFatal("%s: %s", what, sqlite3_errmsg(db));
}

// One reader: runs it and returns the nanoseconds it took; `check` receives a
// number that depends on what was read, so nothing can be skipped.
using TReader = std::function<qint64(qint64& check)>;

qint64 Timed(const std::function<qint64()>& run, qint64& check) {
    QElapsedTimer t;
    t.start();
    check = run();
    return t.nsecsElapsed();
}

// Only Open is timed: the set is made before and freed after.
qint64 RecordSetOpen(qint64& check) {
    TClientSet set;
    return Timed(
        [&] {
            const int rows = set.Open(QStringLiteral("select * from client"));
            return qint64(rows) * set.DataSet()->FieldCount();
        },
        check);
}

qint64 QueryLoopValues() {
    QSqlQuery q(DbConnection().EnsureOpen());
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("select * from client")))
        qFatal("query failed");
    const int columns = q.record().count();
    qint64 seen = 0;
    while (q.next()) {
        for (int c = 0; c < columns; ++c)
            seen += q.value(c).isNull() ? 0 : 1;
    }
    return seen;
}

qint64 SqliteStepValues(const QString& file) {
    sqlite3* db = nullptr;
    Check(sqlite3_open_v2(file.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr), db,
          "open");
    sqlite3_stmt* st = nullptr;
    Check(sqlite3_prepare_v2(db, "select * from client", -1, &st, nullptr), db, "prepare");
    const int columns = sqlite3_column_count(st);
    qint64 seen = 0;
    while (sqlite3_step(st) == SQLITE_ROW) {
        for (int c = 0; c < columns; ++c) {
            switch (sqlite3_column_type(st, c)) {
            case SQLITE_INTEGER:
                seen += sqlite3_column_int64(st, c) != 0;
                break;
            case SQLITE_FLOAT:
                seen += sqlite3_column_double(st, c) != 0;
                break;
            case SQLITE_TEXT:
                seen += sqlite3_column_bytes16(st, c) > 0 && sqlite3_column_text16(st, c);
                break;
            case SQLITE_BLOB:
                seen += sqlite3_column_bytes(st, c);
                break;
            default:
                break;
            }
        }
    }
    sqlite3_finalize(st);
    sqlite3_close(db);
    return seen;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("bench.db"));
    TDatabase& db = DbConnection();
    db.SetCreateMissingFile(true);
    if (!db.Connect(QStringLiteral("Provider=SQLite;Data Source=%1;").arg(file)))
        return 1;
    try {
        TSchema::Create(db);
        db.Close();
        QElapsedTimer fill;
        fill.start();
        FillClients(file, kClients);
        std::printf("filled %d clients in %.0f ms\n", kClients, fill.nsecsElapsed() / 1e6);
        db.SetConnected(true);

        const TReader readers[] = {
            RecordSetOpen, [](qint64& check) { return Timed(QueryLoopValues, check); },
            [&](qint64& check) { return Timed([&] { return SqliteStepValues(file); }, check); }};
        // Rounds alternate between the readers so that a busy machine slows all
        // of them alike; the best round of each counts.
        double best[3] = {1e300, 1e300, 1e300};
        qint64 checks[3] = {0, 0, 0};
        QueryLoopValues(); // warm the page cache
        for (int round = 0; round < kRounds; ++round) {
            for (int r = 0; r < 3; ++r)
                best[r] = std::min(best[r], readers[r](checks[r]) / 1e6);
        }
        std::printf("values: %lld (record set rows x fields), %lld (QSqlQuery non-null), "
                    "%lld (sqlite3 non-zero)\n",
                    static_cast<long long>(checks[0]), static_cast<long long>(checks[1]),
                    static_cast<long long>(checks[2]));
        std::printf("TClientSet::Open          %8.1f ms\n", best[0]);
        std::printf("QSqlQuery forward loop    %8.1f ms\n", best[1]);
        std::printf("sqlite3 C API steps       %8.1f ms\n", best[2]);
        std::printf("record set / QSqlQuery    %8.2f  (goal <= 1.30)\n", best[0] / best[1]);
        std::printf("QSqlQuery / sqlite3       %8.2f\n", best[1] / best[2]);
        std::printf("record set / sqlite3      %8.2f\n", best[0] / best[2]);
    } catch (const EOrbelError& e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.Message()));
        return 1;
    }
    return 0;
}
