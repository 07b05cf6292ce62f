#include "records/delivered/DeliveredTaxes.h"

#include "data/Database.h"
#include "records/delivered/DeliveredRows.h"

namespace {

// Unit codes of the tax table.
enum TTaxUnit { kPercent = 0, kPerSquareMetre = 1, kFixed = 2 };

struct TTaxRow {
    const char* name;
    double liveRate;
    int liveUnit;
    double unLiveRate;
    int unLiveUnit;
};

// The calculator adds every row, so each row is the case that applies to most
// deals: a first home of up to 140 square metres held for more than two years.
const TTaxRow kTaxes[] = {
    {"契税(首套140平方米及以下)", 1, kPercent, 3, kPercent},
    {"增值税及附加(住宅满两年免征)", 0, kPercent, 5.6, kPercent},
    {"个人所得税(核定征收)", 1, kPercent, 1.5, kPercent},
    {"印花税(个人住房免征)", 0, kPercent, 0.05, kPercent},
    {"交易手续费", 3, kPerSquareMetre, 5.5, kPerSquareMetre},
    {"不动产登记费", 80, kFixed, 550, kFixed},
    {"证书工本费", 10, kFixed, 10, kFixed},
    {"中介服务费", 1, kPercent, 1, kPercent},
};

} // namespace

void TDeliveredTaxes::Install(TDatabase& db) {
    if (!TDeliveredRows::IsEmpty(db, QStringLiteral("tax")))
        return;
    int id = 0;
    for (const TTaxRow& t : kTaxes) {
        TDeliveredRows::Insert(db, QStringLiteral("tax"),
                               {Param(QStringLiteral("Id"), ++id),
                                Param(QStringLiteral("TaxName"), QString::fromUtf8(t.name)),
                                Param(QStringLiteral("LiveRate"), t.liveRate),
                                Param(QStringLiteral("LiveUnitId"), t.liveUnit),
                                Param(QStringLiteral("UnLiveRate"), t.unLiveRate),
                                Param(QStringLiteral("UnLiveUnitId"), t.unLiveUnit)});
    }
}
