#pragma once

class TDatabase;

// The starter report templates of a new database: a listing sheet and a listing
// list (group 0), a client sheet and a client list (group 2). Their designs are
// empty until first saved from the designer. Written only into an empty table.
class TDeliveredReports {
public:
    static void Install(TDatabase& db);
};
