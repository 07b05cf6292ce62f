#pragma once

#include <QList>

// One term of a loan table: rate, years, monthly instalments and the monthly
// repayment per 10,000 yuan. Rate and repayment are kept to four decimals.
struct RRate {
    double Rate = 0;
    int Years = 0;
    int Months = 0;
    double Returns = 0;

    bool operator==(const RRate&) const = default;
};

// A loan table: its terms in order. Copies are independent.
using RRates = QList<RRate>;
