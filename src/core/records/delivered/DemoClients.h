#pragma once

#include "records/delivered/DemoRecords.h"

class TDatabase;
class TDemoRandom;

// The clients of the demonstration agency: buyers and tenants with their wishes
// (rooms, area, price in yuan, district and area), registered over the last six
// months with codes KH00001… in the order of registration; two of them lie in
// the recycle box.
class TDemoClients {
public:
    static QList<TDemoClient> Install(TDatabase& db, TDemoRandom& random, const QDateTime& now);
    static constexpr int kCount = 44;
};
