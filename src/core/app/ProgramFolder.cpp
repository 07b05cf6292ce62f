#include "app/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>

QString ProgramFolder() {
    const QString home = qEnvironmentVariable("ORBEL_HOME");
    if (!home.isEmpty())
        return QDir(home).absolutePath();
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    return QDir::currentPath();
}

QString ProgramFile(const QString& name) {
    return QDir(ProgramFolder()).filePath(name);
}
