#pragma once

class TDatabase;

// The demonstration agency of a brand-new database: houses, clients and their
// history, made from a fixed seed with dates counted back from the moment of
// installation. Nothing is written into a database that already holds houses
// or clients.
class TDemoAgency {
public:
    static void Install(TDatabase& db);
};
