// Reading 100,000 clients into a client record set, against a plain forward-only
// QSqlQuery loop and the sqlite3 C API stepping the same rows, in one run on one
// generated SQLite file. Prints the best of several rounds of each and the ratios.

#include "app/Error.h"
#include "data/Database.h"
#include "records/ClientSet.h"
#include "records/Schema.h"

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

// Fills the client table with a fixed, generated set of rows.
void FillClients(const QString& file) {
    sqlite3* db = nullptr;
    Check(sqlite3_open(file.toUtf8().constData(), &db), db, "open");
    Check(sqlite3_exec(db, "begin", nullptr, nullptr, nullptr), db, "begin");
    sqlite3_stmt* st = nullptr;
    const char* sql =
        "insert into client(Id, IsRecycle, Code, Linkman, LinkTel, Sex, IdCode, LinkNote, Address, "
        "Industry, DealType, Room1, Room2, Area1, Area2, Fund1, Fund2, HouseName, Place, District, "
        "HouseType, Purpose, Direction, Decoration, RoomCircum, LiveCircum, Note, Addor, AddTime, "
        "State, ComeFrom, Billman, BillTime, Broker) values (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, "
        "?10, ?11, ?12, ?13, ?14, ?15, ?16, ?17, ?18, ?19, ?20, ?21, ?22, ?23, ?24, ?25, ?26, ?27, "
        "?28, ?29, ?30, ?31, ?32, ?33, ?34)";
    Check(sqlite3_prepare_v2(db, sql, -1, &st, nullptr), db, "prepare");
    const char* districts[] = {"东区", "西区", "南区", "北区", "高新区"};
    const char* names[] = {"王先生", "李女士", "张先生", "刘女士", "陈先生", "杨女士"};
    auto text = [&](int col, const QString& s) {
        const QByteArray b = s.toUtf8();
        sqlite3_bind_text(st, col, b.constData(), int(b.size()), SQLITE_TRANSIENT);
    };
    for (int i = 1; i <= kClients; ++i) {
        const int r = (i * 7919) % 1000;
        sqlite3_bind_int(st, 1, i);
        sqlite3_bind_int(st, 2, i % 50 == 0 ? 1 : 0);
        text(3, QStringLiteral("K%1").arg(i, 6, 10, QLatin1Char('0')));
        text(4, QString::fromUtf8(names[i % 6]) + QString::number(r));
        text(5, QStringLiteral("1380000%1").arg(i % 10000, 4, 10, QLatin1Char('0')));
        text(6, i % 2 ? QStringLiteral("男") : QStringLiteral("女"));
        text(7, QStringLiteral("3301%1").arg(i, 14, 10, QLatin1Char('0')));
        text(8, QStringLiteral("下午方便联系,周末看房 %1").arg(r));
        text(9, QStringLiteral("人民路%1号").arg(r));
        text(10, QStringLiteral("教育"));
        text(11, i % 3 ? QStringLiteral("求购") : QStringLiteral("求租"));
        sqlite3_bind_int(st, 12, 1 + r % 3);
        sqlite3_bind_int(st, 13, 2 + r % 4);
        sqlite3_bind_double(st, 14, 50 + r % 60);
        sqlite3_bind_double(st, 15, 90 + r % 80 + 0.5);
        sqlite3_bind_double(st, 16, 100000.0 * (1 + r % 20));
        sqlite3_bind_double(st, 17, 100000.0 * (21 + r % 20));
        text(18, QStringLiteral("阳光花园%1期").arg(r % 9));
        text(19, QStringLiteral("甲地块"));
        text(20, QString::fromUtf8(districts[i % 5]));
        text(21, QStringLiteral("住宅"));
        text(22, QStringLiteral("自住"));
        text(23, QStringLiteral("南北"));
        text(24, QStringLiteral("精装"));
        text(25, QStringLiteral("空调,热水器,宽带"));
        text(26, QStringLiteral("学校,医院,超市"));
        if (i % 4 == 0)
            sqlite3_bind_null(st, 27);
        else
            text(27, QStringLiteral("客户要求交通方便,预算可以商量,第%1次来访").arg(r % 7));
        text(28, QStringLiteral("sa"));
        text(29, QStringLiteral("2012-07-%1 10:%2:00")
                     .arg(1 + i % 28, 2, 10, QLatin1Char('0'))
                     .arg(i % 60, 2, 10, QLatin1Char('0')));
        text(30, QStringLiteral("正常"));
        text(31, QStringLiteral("上门"));
        text(32, QStringLiteral("张三"));
        text(33, QStringLiteral("2012-06-%1 00:00:00").arg(1 + i % 28, 2, 10, QLatin1Char('0')));
        text(34, QStringLiteral("李四"));
        Check(sqlite3_step(st), db, "insert");
        sqlite3_reset(st);
    }
    sqlite3_finalize(st);
    Check(sqlite3_exec(db, "commit", nullptr, nullptr, nullptr), db, "commit");
    sqlite3_close(db);
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
        FillClients(file);
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
