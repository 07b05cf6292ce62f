// The program's way to its main window on a large agency (200,000 houses,
// 100,000 clients) against the delivered database, and the memory of the
// client list scrolled from top to bottom. Both databases are SQLite files
// generated in this run. Prints the best of several rounds and the ratios.

#include "app/Error.h"
#include "app/mainFrm.h"
#include "data/Company.h"
#include "data/Database.h"
#include "data/Options.h"
#include "operators/Operator.h"
#include "records/DeliveredDatabase.h"
#include "screens/ClientCenterFra.h"
#include "toolkit/zyDBGrid.h"

#include "BenchData.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QScrollBar>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {

int Setting(const char* name, int fallback) {
    const int v = qEnvironmentVariableIntValue(name);
    return v > 0 ? v : fallback;
}
const int kHouses = Setting("ORBEL_BENCH_HOUSES", 200000);
const int kClients = Setting("ORBEL_BENCH_CLIENTS", 100000);
const int kRounds = Setting("ORBEL_BENCH_ROUNDS", 3);

// Resident memory of this process in kilobytes.
long ResidentKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return 0;
}

void Connect(const QString& file) {
    TDatabase& db = DbConnection();
    db.Close();
    db.SetCreateMissingFile(true);
    if (!db.Connect(QStringLiteral("Provider=SQLite;Data Source=%1;").arg(file)))
        throw EOrbelError(QStringLiteral("cannot open ") + file);
}

// What the start-up does from the connection to the shown main window.
std::unique_ptr<TmainFrm> ReachMainWindow() {
    CurrentCompany().Load();
    ProgramOptions().Refresh();
    auto main = std::make_unique<TmainFrm>();
    main->BuildDynamicMenus();
    main->resize(1366, 768);
    main->show();
    QApplication::processEvents();
    return main;
}

double BestStart(const QString& file) {
    double best = 1e300;
    for (int round = 0; round < kRounds; ++round) {
        Connect(file);
        QElapsedTimer t;
        t.start();
        auto main = ReachMainWindow();
        best = std::min(best, t.nsecsElapsed() / 1e6);
    }
    return best;
}

// Opens the client list and scrolls it from top to bottom a page at a time.
void ScrollClients(const QString& file) {
    Connect(file);
    auto main = ReachMainWindow();
    main->ShowView(1);
    TzyDBGrid* grid = main->ClientList()->DBGrid1();
    QApplication::processEvents();
    const long opened = ResidentKb();
    QScrollBar* bar = grid->verticalScrollBar();
    for (int v = 0; v <= bar->maximum(); v += std::max(1, bar->pageStep())) {
        bar->setValue(v);
        QApplication::processEvents();
    }
    bar->setValue(bar->maximum());
    QApplication::processEvents();
    const long scrolled = ResidentKb();
    std::printf("client list rows                %8d\n", grid->model()->rowCount());
    std::printf("memory after opening            %8ld kB\n", opened);
    std::printf("memory after scrolling          %8ld kB\n", scrolled);
    std::printf("scrolled / opened               %8.2f  (goal <= 1.20)\n",
                double(scrolled) / double(opened));
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    CurrentOperator().LoginId = QStringLiteral("sa");
    QTemporaryDir dir;
    const QString small = dir.filePath(QStringLiteral("delivered.db"));
    const QString large = dir.filePath(QStringLiteral("large.db"));
    try {
        Connect(small);
        TDeliveredDatabase::InstallAll(DbConnection());
        Connect(large);
        TDeliveredDatabase::InstallSettings(DbConnection());
        DbConnection().Close();
        QElapsedTimer fill;
        fill.start();
        FillHouses(large, kHouses);
        FillClients(large, kClients);
        std::printf("filled %d houses and %d clients in %.0f ms\n", kHouses, kClients,
                    fill.nsecsElapsed() / 1e6);

        const double delivered = BestStart(small);
        const double big = BestStart(large);
        std::printf("main window, delivered database %8.1f ms\n", delivered);
        std::printf("main window, large database     %8.1f ms\n", big);
        std::printf("large / delivered               %8.2f  (goal <= 2.00)\n", big / delivered);
        ScrollClients(large);
    } catch (const EOrbelError& e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.Message()));
        return 1;
    }
    return 0;
}
