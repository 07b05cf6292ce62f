#include "records/delivered/DemoClients.h"

#include "data/Database.h"
#include "records/delivered/DeliveredRows.h"
#include "records/delivered/DemoEstates.h"
#include "records/delivered/DemoPeople.h"
#include "records/delivered/DemoRandom.h"

#include <cmath>

namespace {

constexpr int kRecycled[] = {9, 30};

QString Text(const char* s) { return QString::fromUtf8(s); }

struct TWish {
    int room1, room2;
    double area1, area2;
    double fund1, fund2; // yuan
};

// A wish sized after one of the estates: the rooms wanted, the matching area and
// the price such a flat fetches there, rounded as clients say it.
TWish WishFor(TDemoRandom& r, const TDemoEstate& e, bool buy) {
    TWish w;
    w.room1 = r.Range(1, 3);
    w.room2 = qMin(w.room1 + r.Range(0, 1), 4);
    static const int areaLo[] = {0, 40, 60, 85, 120};
    static const int areaHi[] = {0, 60, 90, 130, 170};
    w.area1 = areaLo[w.room1];
    w.area2 = areaHi[w.room2];
    const double mid = (w.area1 + w.area2) / 2;
    if (buy) {
        const double wan = mid * e.unitPrice / 10000;
        w.fund1 = std::round(wan * 0.85 / 10) * 10 * 10000;
        w.fund2 = std::round(wan * 1.1 / 10) * 10 * 10000;
    } else {
        const double rent = mid * e.rentPerMetre;
        w.fund1 = std::round(rent * 0.8 / 500) * 500;
        w.fund2 = std::round(rent * 1.15 / 500) * 500;
    }
    return w;
}

const char* const kBuyNotes = "首套房,公积金贷款|改善住房,要求三房两卫|二胎家庭,看重学区|"
                              "置换,需先卖后买|全款购房,急需|投资,要求近地铁|给父母买,要求低楼层或有电梯";
const char* const kRentNotes = "公司派驻杭州,租期一年|毕业生,两人合租|一家三口,孩子在附近上学|"
                               "可接受押一付三|要求可养宠物|短期过渡,租期半年";
const char* const kAddresses = "杭州市西湖区文二路|杭州市拱墅区莫干山路|杭州市上城区解放路|"
                               "杭州市滨江区滨盛路|杭州市萧山区市心路|杭州市余杭区临平街道|"
                               "绍兴市越城区|嘉兴市南湖区|宁波市鄞州区|安徽省合肥市";

TDBParameters WishParams(TDemoRandom& r, const TDemoEstate& e, TDemoClient& c) {
    const bool buy = c.dealType == QLatin1String("求购");
    const TWish w = WishFor(r, e, buy);
    c.fund2 = w.fund2;
    return {Param(QStringLiteral("DealType"), c.dealType),
            Param(QStringLiteral("Room1"), w.room1),
            Param(QStringLiteral("Room2"), w.room2),
            Param(QStringLiteral("Area1"), w.area1),
            Param(QStringLiteral("Area2"), w.area2),
            Param(QStringLiteral("Fund1"), w.fund1),
            Param(QStringLiteral("Fund2"), w.fund2),
            Param(QStringLiteral("HouseName"), r.Chance(40) ? Text(e.name) : QString()),
            Param(QStringLiteral("Place"), Text(e.place)),
            Param(QStringLiteral("District"), Text(e.district)),
            Param(QStringLiteral("HouseType"), Text(e.houseType)),
            Param(QStringLiteral("Purpose"), Text(e.purpose)),
            Param(QStringLiteral("Direction"), r.Pick("|南|南|南北通透")),
            Param(QStringLiteral("Decoration"), buy ? r.Pick("|简装|精装") : r.Pick("精装|中装")),
            Param(QStringLiteral("RoomCircum"),
                  buy ? QString() : r.Pick("家电齐全,拎包入住|需空调、热水器、洗衣机|有独立厨房")),
            Param(QStringLiteral("LiveCircum"), r.Pick("|近地铁|电梯房|有车位|近学校")),
            Param(QStringLiteral("Note"), r.Pick(buy ? kBuyNotes : kRentNotes))};
}

QString StateFor(TDemoRandom& r, const TDemoClient& c, bool recycled) {
    if (recycled)
        return QStringLiteral("无效");
    const int roll = r.Range(1, 100);
    if (roll <= 12)
        return c.dealType == QLatin1String("求购") ? QStringLiteral("已购") : QStringLiteral("已租");
    return roll <= 20 ? QStringLiteral("暂缓") : QStringLiteral("有效");
}

TDBParameters PersonParams(TDemoRandom& r, int n, TDemoClient& c) {
    const bool male = r.Chance(55);
    c.name = TDemoPeople::FullName(r, male);
    c.tel = TDemoPeople::ClientTel(n);
    return {Param(QStringLiteral("Linkman"), c.name),
            Param(QStringLiteral("LinkTel"), c.tel),
            Param(QStringLiteral("Sex"), male ? QStringLiteral("男") : QStringLiteral("女")),
            Param(QStringLiteral("IdCode"), QString()),
            Param(QStringLiteral("LinkNote"), r.Pick("|微信同号|上班时间不便接电话,请发短信|"
                                                     "周末可看房|晚上六点后联系")),
            Param(QStringLiteral("Address"), r.Pick(kAddresses)),
            Param(QStringLiteral("Industry"),
                  r.Pick("IT/互联网|金融|教育|医疗卫生|制造业|公务员/事业单位|个体经营|外贸|"
                         "房地产|餐饮服务|自由职业|其他"))};
}

TDBParameters OfficeParams(TDemoRandom& r, TDemoClient& c) {
    const QString billman = TDemoPeople::Broker(r);
    c.billman = billman;
    c.broker = r.Chance(85) ? billman : QString();
    return {Param(QStringLiteral("Addor"), billman),
            Param(QStringLiteral("Billman"), billman),
            Param(QStringLiteral("Broker"), c.broker),
            Param(QStringLiteral("BillTime"), c.billTime),
            Param(QStringLiteral("State"), c.state),
            Param(QStringLiteral("ComeFrom"),
                  r.Pick("上门登记|电话委托|网络平台|老客户介绍|社区驻点"))};
}

// Only the estates people live in, for wishes.
const TDemoEstate& HomeEstate(TDemoRandom& r) {
    const auto estates = DemoEstates();
    for (;;) {
        const TDemoEstate& e = estates[r.Range(0, int(estates.size()) - 1)];
        if (qstrcmp(e.houseType, "住宅") == 0)
            return e;
    }
}

TDemoClient InstallClient(TDatabase& db, TDemoRandom& r, int n, const QDateTime& now) {
    const bool recycled =
        std::find(std::begin(kRecycled), std::end(kRecycled), n) != std::end(kRecycled);
    TDemoClient c;
    c.id = n + 1;
    c.code = QStringLiteral("KH%1").arg(n + 1, 5, 10, QLatin1Char('0'));
    c.dealType = r.Chance(65) ? QStringLiteral("求购") : QStringLiteral("求租");
    c.state = StateFor(r, c, recycled);
    const int daysAgo = 2 + (TDemoClients::kCount - 1 - n) * 178 / (TDemoClients::kCount - 1);
    c.billTime = QDateTime(now.date().addDays(-daysAgo), QTime(r.Range(9, 19), r.Range(0, 59)));
    TDBParameters params = {Param(QStringLiteral("Id"), c.id),
                            Param(QStringLiteral("IsRecycle"), recycled),
                            Param(QStringLiteral("Code"), c.code)};
    params << PersonParams(r, n + 1, c) << WishParams(r, HomeEstate(r), c) << OfficeParams(r, c);
    TDeliveredRows::Insert(db, QStringLiteral("client"), params);
    return c;
}

} // namespace

QList<TDemoClient> TDemoClients::Install(TDatabase& db, TDemoRandom& random, const QDateTime& now) {
    QList<TDemoClient> clients;
    for (int n = 0; n < kCount; ++n)
        clients << InstallClient(db, random, n, now);
    return clients;
}
