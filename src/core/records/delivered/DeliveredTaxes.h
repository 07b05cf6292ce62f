#pragma once

class TDatabase;

// The taxes and fees of a second-hand property deal (table tax), for the buyer's
// side of an ordinary deal: residential and non-residential rates, each as a
// percentage of the price, yuan per square metre or a fixed amount. Written only
// into an empty table, so an agency's own rows are never doubled.
class TDeliveredTaxes {
public:
    static void Install(TDatabase& db);
};
