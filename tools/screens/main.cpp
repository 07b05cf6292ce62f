// orbel_screens <folder> [name…]: writes one PNG per registered window into the
// folder (only the named ones when names are given). Runs offscreen unless a
// platform is chosen in QT_QPA_PLATFORM. --list prints the names.
#include "DemoDatabase.h"
#include "ScreenRegistry.h"

#include "app/Error.h"
#include "app/QtTranslations.h"
#include "app/aFrm.h"

#include <QApplication>
#include <QDir>

#include <cstdio>

namespace {

// The program's font and Qt's own Chinese texts, as the program itself uses them.
void SetUpLook(QApplication& app) {
    app.setFont(TaFrm::FormFont());
    InstallQtTranslations();
}

bool Render(const TScreenRegistry::TEntry& entry, const QDir& folder) {
    try {
        TScreen screen = entry.make();
        screen.window->show();
        QApplication::processEvents();
        QWidget* target = screen.shot ? screen.shot() : screen.window.get();
        QApplication::processEvents();
        const QString file = folder.filePath(entry.name + QStringLiteral(".png"));
        if (!target || !target->grab().save(file)) {
            std::fprintf(stderr, "%s: cannot write %s\n", qPrintable(entry.name), qPrintable(file));
            return false;
        }
        std::printf("%s\n", qPrintable(file));
        return true;
    } catch (const EOrbelError& e) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(entry.name), qPrintable(e.Message()));
        return false;
    }
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    SetUpLook(app);
    TScreenRegistry registry;
    RegisterScreens(registry);

    QStringList args = app.arguments().mid(1);
    if (args.value(0) == QLatin1String("--list")) {
        for (const auto& entry : registry.Entries())
            std::printf("%s\n", qPrintable(entry.name));
        return 0;
    }
    if (args.isEmpty()) {
        std::fprintf(stderr, "usage: orbel_screens <folder> [name...] | --list\n");
        return 2;
    }
    QDir folder(args.takeFirst());
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(folder.path()));
        return 2;
    }
    TDemoDatabase database;
    if (!database.Ok())
        return 1;
    int failures = 0;
    for (const auto& entry : registry.Entries()) {
        if (args.isEmpty() || args.contains(entry.name))
            failures += Render(entry, folder) ? 0 : 1;
    }
    return failures == 0 ? 0 : 1;
}
