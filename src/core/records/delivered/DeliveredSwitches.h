#pragma once

class TDatabase;

// The switches of a new database in table keyvalue: the two prompts kept in the
// typed columns and the four behaviour flags kept as text. Keys already present
// are left alone.
class TDeliveredSwitches {
public:
    static void Install(TDatabase& db);
};
