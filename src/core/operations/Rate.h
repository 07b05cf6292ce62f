#pragma once

#include "operations/RRates.h"

#include <QString>
#include <QStringList>

// Reads and writes the loan tables of table rates. Each row keeps one table as
// four texts (rates, years, months, repayments) with one line per term.
class TRate {
  public:
    // The table with this id (0 to 3); no terms when it has no row. A line that
    // is not a number raises an error naming it.
    RRates LoadRates(int typId) const;
    // Writes the table back into its row; a missing row is not created.
    void SaveRates(int typId, const RRates& rates) const;

    // A rate as stored and shown: four decimals, no leading zero (".0504").
    static QString FormatRate(double rate);
    // A repayment as stored and shown: two decimals, no leading zero (".50").
    static QString FormatReturns(double returns);

  private:
    static QStringList Lines(const QString& text);
    static QString FormatNoLeadingZero(double value, int decimals);
};

// The program's loan table reader.
TRate& Rate();
