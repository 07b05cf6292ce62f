#include "records/delivered/DemoAgency.h"

#include "data/Database.h"
#include "records/delivered/DeliveredRows.h"
#include "records/delivered/DemoClients.h"
#include "records/delivered/DemoHistory.h"
#include "records/delivered/DemoHouses.h"
#include "records/delivered/DemoRandom.h"

namespace {
constexpr quint64 kSeed = 20120709;
}

void TDemoAgency::Install(TDatabase& db) {
    if (!TDeliveredRows::IsEmpty(db, QStringLiteral("house")) ||
        !TDeliveredRows::IsEmpty(db, QStringLiteral("client")))
        return;
    // The server's clock decides which reminders are due, so dates count from it.
    const QDateTime now = db.ServerNow();
    TDemoRandom random(kSeed);
    TDemoAgencyRecords agency;
    agency.houses = TDemoHouses::Install(db, random, now);
    agency.clients = TDemoClients::Install(db, random, now);
    TDemoHistory::Install(db, random, agency, now);
}
