#pragma once

#include "records/delivered/DemoRecords.h"

class TDatabase;
class TDemoRandom;

// The listings of the demonstration agency: houses of the demonstration estates
// for sale, for rent or both, registered over the last eight months with codes
// FY00001… in the order of registration; two of them lie in the recycle box.
class TDemoHouses {
public:
    static QList<TDemoHouse> Install(TDatabase& db, TDemoRandom& random, const QDateTime& now);
    static constexpr int kCount = 64;
};
