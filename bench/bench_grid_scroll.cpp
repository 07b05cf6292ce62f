// A house list of 100,000 rows in a TzyDBGrid: the record set is opened, the
// grid shown (offscreen) and scrolled page by page from the top to the bottom.
// Prints the resident memory the record set takes alone and together with the
// scrolled grid, and their ratio (the grid should add at most a fifth).

#include "BenchData.h"

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

#include <cstdio>

namespace {

int Setting(const char* name, int fallback) {
    const int v = qEnvironmentVariableIntValue(name);
    return v > 0 ? v : fallback;
}
const int kHouses = Setting("ORBEL_BENCH_ROWS", 100000);

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
        FillHouses(file, kHouses);
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
