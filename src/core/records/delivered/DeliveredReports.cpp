#include "records/delivered/DeliveredReports.h"

#include "data/Database.h"
#include "records/delivered/DeliveredRows.h"

namespace {

struct TReportRow {
    int id;
    int grpId;
    const char* title;
};

const TReportRow kReports[] = {
    {1, 0, "房源信息单"},
    {2, 0, "房源列表"},
    {3, 2, "客户信息单"},
    {4, 2, "客户列表"},
};

} // namespace

void TDeliveredReports::Install(TDatabase& db) {
    if (!TDeliveredRows::IsEmpty(db, QStringLiteral("report")))
        return;
    for (const TReportRow& r : kReports)
        TDeliveredRows::Insert(db, QStringLiteral("report"),
                               {Param(QStringLiteral("Id"), r.id),
                                Param(QStringLiteral("GrpId"), r.grpId),
                                Param(QStringLiteral("Title"), QString::fromUtf8(r.title))});
}
