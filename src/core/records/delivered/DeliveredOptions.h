#pragma once

#include <QString>

class TDatabase;

// The options list of a new database: entries 0 to 47 without gaps, holding the
// agency's pick lists (one item per line), the code rules of houses and clients
// and the empty default conditions. Entries already present are left alone.
class TDeliveredOptions {
public:
    static void Install(TDatabase& db);
    // The stored form of a code rule: prefix, digit count and suffix on three lines.
    static QString RuleText(const QString& prefix, int digits, const QString& suffix);
    // The number of entries, keys 0 to Count()-1.
    static int Count();
};
