#pragma once

#include <QString>

// Generated rows for the benches, written straight through the sqlite3 C API
// into a database file that already has the program's tables. The rows are the
// same on every run.
void FillClients(const QString& file, int count);
void FillHouses(const QString& file, int count);
