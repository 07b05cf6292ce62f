#pragma once

class TDatabase;

// Brings a new database into use: the tables, the rows every screen expects
// (options with their pick lists and code rules, key-values, loan tables, taxes,
// the backup row, the operators, starter report templates) and a demonstration
// agency. Each step runs in one transaction and the reached step is stored, so a
// later version can add steps.
class TDeliveredDatabase {
  public:
    // The number of the last step this version knows.
    static int LatestStep();
    // The step the database has reached; 0 for a database without tables.
    static int CurrentStep(TDatabase& db);
    // Runs the missing steps up to the settings rows (no demonstration data).
    static void InstallSettings(TDatabase& db);
    // Runs every missing step, the demonstration agency included.
    static void InstallAll(TDatabase& db);
};
