#include "records/delivered/DeliveredCompany.h"

#include "data/Database.h"
#include "records/delivered/DeliveredRows.h"

namespace {

void InstallCompany(TDatabase& db) {
    if (!TDeliveredRows::IsEmpty(db, QStringLiteral("Company")))
        return;
    TDeliveredRows::Insert(
        db, QStringLiteral("Company"),
        {Param(QStringLiteral("Id"), 1),
         Param(QStringLiteral("CompanyName"), QStringLiteral("杭州宜居房产经纪有限公司")),
         Param(QStringLiteral("Manager"), QStringLiteral("陈立新")),
         Param(QStringLiteral("Tel"), QStringLiteral("0571-88000000")),
         Param(QStringLiteral("Fax"), QStringLiteral("0571-88000001")),
         Param(QStringLiteral("Address"), QStringLiteral("杭州市拱墅区湖墅南路188号")),
         Param(QStringLiteral("Zip"), QStringLiteral("310005")),
         Param(QStringLiteral("Profile"),
               QStringLiteral("本公司专营杭州主城区二手房买卖、租赁及按揭代办业务,"
                              "门店经纪人均持证上岗,提供房源实勘、带看、签约、过户一站式服务.")),
         Param(QStringLiteral("UseCount"), 0), Param(QStringLiteral("Updated"), false)});
}

void InstallBackup(TDatabase& db) {
    if (!TDeliveredRows::IsEmpty(db, QStringLiteral("backup")))
        return;
    TDeliveredRows::Insert(db, QStringLiteral("backup"),
                           {Param(QStringLiteral("TypeId"), 0),
                            Param(QStringLiteral("BackDir"), QStringLiteral(""))});
}

} // namespace

void TDeliveredCompany::Install(TDatabase& db) {
    InstallCompany(db);
    InstallBackup(db);
}
