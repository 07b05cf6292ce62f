#pragma once

#include <QString>

class TDatabase;

// The four loan tables of a new database (table rates): terms of 1 to 30 years,
// each with its annual rate, its months and the monthly repayment per 10,000
// yuan that the rate gives when repaid in equal monthly instalments. Tables
// already present are left alone.
class TDeliveredRates {
public:
    static void Install(TDatabase& db);
    // Equal monthly instalment of 10,000 yuan borrowed at `annualRate` (0.031 for
    // 3.1 %) over `months` months.
    static double MonthlyReturn(double annualRate, int months);
    // A number with `decimals` decimals and no digit before the point below 1,
    // as the rate tables store it (.0310, 5.0400, .50).
    static QString Decimal(double value, int decimals);
};
