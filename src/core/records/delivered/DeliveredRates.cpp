#include "records/delivered/DeliveredRates.h"

#include "data/Database.h"
#include "records/delivered/DeliveredRows.h"

#include <QStringList>

#include <cmath>

namespace {

// Annual rates of one loan table: terms up to five years and longer terms.
struct TRateTable {
    int typId;
    double upToFiveYears;
    double overFiveYears;
};

// Commercial loans follow the loan prime rates of 3.0 % (one year) and 3.5 %
// (over five years): homes take the one-year rate for short terms and 45 basis
// points below the five-year rate for long ones, business premises 60 points
// above each. Provident-fund loans take the fund's rates for homes, 2.1 % and
// 2.6 %, and one tenth more for business premises.
const TRateTable kTables[] = {
    {1, 0.0300, 0.0305}, // 壹万元个人住房按揭贷款表
    {0, 0.0360, 0.0410}, // 壹万元营业房按揭贷款表
    {3, 0.0210, 0.0260}, // 壹万元个人住房公积金利率表
    {2, 0.0231, 0.0286}, // 壹万元营业房公积金利率表
};

constexpr int kLongestTerm = 30;

} // namespace

double TDeliveredRates::MonthlyReturn(double annualRate, int months) {
    const double r = annualRate / 12.0;
    if (r == 0.0)
        return 10000.0 / months;
    return 10000.0 * r / (1.0 - std::pow(1.0 + r, -months));
}

QString TDeliveredRates::Decimal(double value, int decimals) {
    QString text = QString::number(value, 'f', decimals);
    if (text.startsWith(QLatin1String("0.")))
        text.remove(0, 1);
    return text;
}

void TDeliveredRates::Install(TDatabase& db) {
    for (const TRateTable& table : kTables) {
        if (TDeliveredRows::Exists(db, QStringLiteral("select 1 from rates where TypId=:TypId"),
                                   {Param(QStringLiteral("TypId"), table.typId)}))
            continue;
        QString rates, years, months, returns;
        for (int y = 1; y <= kLongestTerm; ++y) {
            const double rate = y <= 5 ? table.upToFiveYears : table.overFiveYears;
            rates += Decimal(rate, 4) + QStringLiteral("\r\n");
            years += QString::number(y) + QStringLiteral("\r\n");
            months += QString::number(y * 12) + QStringLiteral("\r\n");
            returns += Decimal(MonthlyReturn(rate, y * 12), 2) + QStringLiteral("\r\n");
        }
        TDeliveredRows::Insert(db, QStringLiteral("rates"),
                               {Param(QStringLiteral("TypId"), table.typId),
                                Param(QStringLiteral("Rates"), rates),
                                Param(QStringLiteral("Years"), years),
                                Param(QStringLiteral("Months"), months),
                                Param(QStringLiteral("Returns"), returns)});
    }
}
