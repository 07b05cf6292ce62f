#pragma once

#include <QString>

// The folder of the program's own files (cfg.ini, orbel.db, help/, samples): the
// folder of the executable, unless the environment variable ORBEL_HOME names another.
QString ProgramFolder();
// A file in the program's folder.
QString ProgramFile(const QString& name);
