#pragma once

#include <QList>
#include <QString>

class TDatabase;

// The operators of a new database: the superuser sa (empty password, every right
// of the editor) and, in a database without other operators, a shop manager and
// a broker to try the program with.
class TDeliveredOperators {
public:
    static void Install(TDatabase& db);
    // The rights string of the given right numbers: ",0,,23,…,".
    static QString RightsText(const QList<int>& rights);
    // Every right the operator editor offers, in its order.
    static QList<int> AllRights();
};
