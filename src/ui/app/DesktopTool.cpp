#include "app/DesktopTool.h"

#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

bool StartDesktopTool(TDesktopTool tool) {
    static const QStringList editors{"gedit",  "gnome-text-editor", "kate",
                                     "kwrite", "mousepad",          "xed",
                                     "pluma",  "featherpad",        "leafpad"};
    static const QStringList calculators{
        "gnome-calculator", "kcalc",       "galculator", "mate-calc",
        "qalculate-gtk",    "speedcrunch", "xcalc"};
    for (const QString& name : tool == TDesktopTool::TextEditor ? editors : calculators) {
        const QString path = QStandardPaths::findExecutable(name);
        if (!path.isEmpty() && QProcess::startDetached(path, {}))
            return true;
    }
    return false;
}
