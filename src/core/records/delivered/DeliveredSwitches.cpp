#include "records/delivered/DeliveredSwitches.h"

#include "data/Database.h"
#include "records/delivered/DeliveredRows.h"

namespace {

// Prompts kept in Vbool, written as a flag write of the typed store writes them.
struct TPromptSwitch {
    int key;
    bool on;
};
const TPromptSwitch kPrompts[] = {
    {0, false}, // the feedback form at exit: off, it sends a form over the network
    {1, true},  // the daily tip after login: on for a first start
};

// Flags kept in [Value] as "1" or "0".
struct TFlagSwitch {
    int key;
    bool on;
};
const TFlagSwitch kFlags[] = {
    {3, true}, // a broker may edit the houses and clients assigned to him
    {5, true}, // every field of the lists left-aligned
    {8, true}, // a new house or client gets the operator as broker
    {9, true}, // codes always generated, never typed
};

bool HasKey(TDatabase& db, int key) {
    return TDeliveredRows::Exists(db, QStringLiteral("select 1 from keyvalue where KeyId=:KeyId"),
                                  {Param(QStringLiteral("KeyId"), key)});
}

} // namespace

void TDeliveredSwitches::Install(TDatabase& db) {
    for (const TPromptSwitch& s : kPrompts) {
        if (HasKey(db, s.key))
            continue;
        TDeliveredRows::Insert(db, QStringLiteral("keyvalue"),
                               {Param(QStringLiteral("KeyId"), s.key),
                                Param(QStringLiteral("Vstr"), QStringLiteral("")),
                                Param(QStringLiteral("Vint"), 0),
                                Param(QStringLiteral("Vfloat"), 0.0),
                                Param(QStringLiteral("Vbool"), s.on)});
    }
    for (const TFlagSwitch& s : kFlags) {
        if (HasKey(db, s.key))
            continue;
        TDeliveredRows::Insert(db, QStringLiteral("keyvalue"),
                               {Param(QStringLiteral("KeyId"), s.key),
                                Param(QStringLiteral("Value"), s.on ? QStringLiteral("1")
                                                                    : QStringLiteral("0"))});
    }
}
