#pragma once

class TDatabase;

// The agency's own record and the backup plan of a new database: one Company row
// and the single backup row (no automatic backup until a folder is chosen). Each
// is written only into an empty table.
class TDeliveredCompany {
public:
    static void Install(TDatabase& db);
};
