#pragma once

#include "records/delivered/DemoRecords.h"

class TDatabase;
class TDemoRandom;

// The history of the demonstration agency: follow-ups of houses and clients,
// deals on the houses sold or let, change logs of prices and states, and the
// brokers' bookmarks. A few follow-ups and deals carry reminders that fall due
// in the days after the installation, others later.
class TDemoHistory {
  public:
    static void Install(TDatabase& db, TDemoRandom& random, const TDemoAgencyRecords& agency,
                        const QDateTime& now);
};
