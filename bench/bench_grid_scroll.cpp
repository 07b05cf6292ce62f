// A house list of 100,000 rows in a TzyDBGrid: the record set is opened, the
// grid shown (offscreen) and scrolled page by page from the top to the bottom.
// Prints the resident memory the record set takes alone and together with the
// scrolled grid, and their ratio (the grid should add at most a fifth).

#include "app/Error.h"
#include "data/Database.h"
#include "records/HouseSet.h"
#include "records/Schema.h"
#include "toolkit/zyDBGrid.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QScrollBar>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <cstdio>

namespace {

int Setting(const char* name, int fallback) {
    const int v = qEnvironmentVariableIntValue(name);
    return v > 0 ? v : fallback;
}
const int kHouses = Setting("ORBEL_BENCH_ROWS", 100000);

void Check(int rc, sqlite3* db, const char* what) {
    if (rc != SQLITE_OK && rc != SQLITE_DONE && rc != SQLITE_ROW)
        qFatal("%s: %s", what, sqlite3_errmsg(db));
}

// Fills the house table with a fixed, generated set of rows.
void FillHouses(const QString& file) {
    sqlite3* db = nullptr;
    Check(sqlite3_open(file.toUtf8().constData(), &db), db, "open");
    Check(sqlite3_exec(db, "begin", nullptr, nullptr, nullptr), db, "begin");
    sqlite3_stmt* st = nullptr;
    const char* sql =
        "insert into house(Id, IsRecycle, Code, District, Place, Address, HouseName, Seat, Floor, "
        "FloorB, FloorCount, DoorNo, HouseType, Purpose, Direction, Decoration, Room, Hall, Bath, "
        "BuildArea, DealType, Fund, Price, RentFund, Linkman, LinkTel, Note, Billman, BillTime, "
        "State, Broker, Addor) values (?1, 0, ?2, ?3, '中心地块', ?4, ?5, ?6, ?7, 0, 18, ?8, "
        "'住宅', '自住', '南北', '精装', ?9, 2, 1, ?10, ?11, ?12, ?13, ?14, ?15, ?16, ?17, 'sa', "
        "?18, '正常', '张三', 'sa')";
    Check(sqlite3_prepare_v2(db, sql, -1, &st, nullptr), db, "prepare");
    const char* districts[] = {"东区", "西区", "南区", "北区", "高新区"};
    auto text = [&](int col, const QString& s) {
        const QByteArray b = s.toUtf8();
        sqlite3_bind_text(st, col, b.constData(), int(b.size()), SQLITE_TRANSIENT);
    };
    for (int i = 1; i <= kHouses; ++i) {
        const int r = (i * 7919) % 1000;
        sqlite3_bind_int(st, 1, i);
        text(2, QStringLiteral("FY%1").arg(i, 6, 10, QLatin1Char('0')));
        text(3, QString::fromUtf8(districts[i % 5]));
        text(4, QStringLiteral("人民路%1号").arg(r));
        text(5, QStringLiteral("阳光花园%1期").arg(r % 9));
        text(6, QStringLiteral("%1栋").arg(1 + r % 30));
        sqlite3_bind_int(st, 7, 1 + r % 18);
        text(8, QStringLiteral("%1室").arg(100 + r));
        sqlite3_bind_int(st, 9, 1 + r % 4);
        sqlite3_bind_double(st, 10, 50 + r % 90 + 0.5);
        text(11, i % 3 ? QStringLiteral("出售") : QStringLiteral("出租"));
        sqlite3_bind_double(st, 12, 50 + r % 200);
        sqlite3_bind_double(st, 13, 8000 + r * 10);
        sqlite3_bind_double(st, 14, 1500 + r);
        text(15, QStringLiteral("王先生%1").arg(r));
        text(16, QStringLiteral("1390000%1").arg(i % 10000, 4, 10, QLatin1Char('0')));
        if (i % 4 == 0)
            sqlite3_bind_null(st, 17);
        else
            text(17, QStringLiteral("业主急售,随时看房,第%1次登记").arg(r % 7));
        text(18, QStringLiteral("2012-06-%1 00:00:00").arg(1 + i % 28, 2, 10, QLatin1Char('0')));
        Check(sqlite3_step(st), db, "insert");
        sqlite3_reset(st);
    }
    sqlite3_finalize(st);
    Check(sqlite3_exec(db, "commit", nullptr, nullptr, nullptr), db, "commit");
    sqlite3_close(db);
}

// The resident set size of this process in bytes.
qint64 Resident() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.value(1).toLongLong() * 4096;
}

double Mb(qint64 bytes) {
    return bytes / (1024.0 * 1024.0);
}

// Scrolls the grid page by page from the top to the bottom, painting each page.
int ScrollThrough(TzyDBGrid& grid) {
    QScrollBar* bar = grid.verticalScrollBar();
    int pages = 0;
    for (int v = bar->minimum(); v <= bar->maximum(); v += bar->pageStep()) {
        bar->setValue(v);
        grid.viewport()->repaint();
        ++pages;
    }
    bar->setValue(bar->maximum());
    grid.viewport()->repaint();
    return pages;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("bench.db"));
    TDatabase& db = DbConnection();
    db.SetCreateMissingFile(true);
    if (!db.Connect(QStringLiteral("Provider=SQLite;Data Source=%1;").arg(file)))
        return 1;
    try {
        TSchema::Create(db);
        db.Close();
        FillHouses(file);
        db.SetConnected(true);

        // Everything the grid needs besides the rows exists before the baseline.
        {
            TzyDBGrid warmUp;
            warmUp.resize(900, 600);
            warmUp.show();
            QApplication::processEvents();
        }
        QApplication::processEvents();
        const qint64 base = Resident();

        THouseSet houses;
        QElapsedTimer t;
        t.start();
        const int rows = houses.Open(QStringLiteral("select * from house order by Id"));
        const double openMs = t.nsecsElapsed() / 1e6;
        const qint64 alone = Resident() - base;

        t.restart();
        TzyDBGrid grid;
        grid.resize(900, 600);
        grid.SetDataSet(houses.DataSet());
        grid.show();
        QApplication::processEvents();
        const int pages = ScrollThrough(grid);
        houses.DataSet()->Last();
        QApplication::processEvents();
        const double scrollMs = t.nsecsElapsed() / 1e6;
        const qint64 withGrid = Resident() - base;

        std::printf("rows %d, columns %d, opened in %.0f ms\n", rows,
                    int(grid.VisibleColumns().size()), openMs);
        std::printf("grid shown and scrolled through %d pages in %.0f ms\n", pages, scrollMs);
        std::printf("resident memory: record set %.1f MB, record set with scrolled grid %.1f MB\n",
                    Mb(alone), Mb(withGrid));
        std::printf("ratio %.3f (goal <= 1.2)\n", alone > 0 ? double(withGrid) / alone : 0.0);
    } catch (const EOrbelError& e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.Message()));
        return 1;
    }
    return 0;
}
