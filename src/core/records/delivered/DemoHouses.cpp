#include "records/delivered/DemoHouses.h"

#include "data/Database.h"
#include "records/delivered/DeliveredRows.h"
#include "records/delivered/DemoEstates.h"
#include "records/delivered/DemoPeople.h"
#include "records/delivered/DemoRandom.h"

#include <cmath>

namespace {

// The houses at these positions were put into the recycle box.
constexpr int kRecycled[] = {21, 47};

struct TLayout {
    int room = 0, hall = 0, bath = 0, balcony = 0;
    int floor = 1, floorB = 0;
    double area = 0;
};

QString Text(const char* s) { return QString::fromUtf8(s); }
bool Is(const TDemoEstate& e, const char* kind) { return qstrcmp(e.houseType, kind) == 0; }
double Round2(double x) { return std::round(x * 100) / 100; }

TLayout HomeLayout(TDemoRandom& r, const TDemoEstate& e) {
    TLayout l;
    const int roll = r.Range(1, 100);
    l.room = roll <= 10 ? 1 : roll <= 45 ? 2 : roll <= 85 ? 3 : 4;
    if (!e.lift)
        l.room = qMin(l.room, 3);
    static const int lo[] = {0, 42, 62, 88, 125};
    static const int hi[] = {0, 58, 92, 128, 168};
    l.area = Round2(r.Real(lo[l.room], hi[l.room]) * (e.lift ? 1.0 : 0.85));
    l.hall = l.room == 1 ? 1 : l.room >= 3 ? 2 : r.Range(1, 2);
    l.bath = l.room >= 3 ? 2 : 1;
    l.balcony = r.Range(1, 2);
    l.floor = r.Range(1, e.floorCount);
    return l;
}

TLayout Layout(TDemoRandom& r, const TDemoEstate& e) {
    TLayout l;
    if (Is(e, "住宅"))
        return HomeLayout(r, e);
    if (Is(e, "公寓")) {
        l = {1, 1, 1, r.Range(0, 1), r.Range(3, e.floorCount), 0, Round2(r.Real(38, 65))};
    } else if (Is(e, "别墅")) {
        l = {r.Range(5, 6), 2, 4, 3, 1, 3, Round2(r.Real(260, 380))};
    } else if (Is(e, "商铺")) {
        l = {0, 0, r.Range(0, 1), 0, 1, r.Chance(30) ? 2 : 0, Round2(r.Real(35, 160))};
    } else {
        l = {0, 0, 0, 0, r.Range(5, e.floorCount), 0, Round2(r.Real(90, 420))};
    }
    return l;
}

QString DealTypeFor(TDemoRandom& r, const TDemoEstate& e) {
    if (Is(e, "别墅"))
        return QStringLiteral("出售");
    const int roll = r.Range(1, 100);
    const int sale = Is(e, "住宅") ? 55 : 30;
    const int rent = Is(e, "住宅") ? 30 : 50;
    return roll <= sale          ? QStringLiteral("出售")
           : roll <= sale + rent ? QStringLiteral("出租")
                                 : QStringLiteral("租售");
}

QString StateFor(TDemoRandom& r, const QString& dealType, bool recycled) {
    if (recycled)
        return QStringLiteral("无效");
    const int roll = r.Range(1, 100);
    if (roll <= 10)
        return dealType == QLatin1String("出租") ? QStringLiteral("已租") : QStringLiteral("已售");
    if (roll <= 16)
        return dealType == QLatin1String("出售") ? QStringLiteral("已售") : QStringLiteral("已租");
    return roll <= 22 ? QStringLiteral("暂缓") : QStringLiteral("有效");
}

QString DoorNoFor(TDemoRandom& r, const TDemoEstate& e, const TLayout& l) {
    if (Is(e, "别墅"))
        return QStringLiteral("独栋");
    if (Is(e, "商铺"))
        return QStringLiteral("%1号商铺").arg(r.Range(1, 40));
    if (Is(e, "写字楼"))
        return QStringLiteral("%1%2室").arg(l.floor).arg(r.Range(1, 12), 2, 10, QLatin1Char('0'));
    return QStringLiteral("%1单元%2%3室").arg(r.Range(1, 3)).arg(l.floor).arg(r.Range(1, 4), 2, 10, QLatin1Char('0'));
}

QString SeatFor(TDemoRandom& r, const TDemoEstate& e) {
    if (Is(e, "别墅"))
        return QStringLiteral("%1号").arg(r.Range(1, 36));
    if (Is(e, "商铺"))
        return QString();
    if (Is(e, "写字楼"))
        return r.Chance(50) ? QStringLiteral("A座") : QStringLiteral("B座");
    return QStringLiteral("%1幢").arg(r.Range(1, e.lift ? 12 : 30));
}

TDBParameters LocationParams(TDemoRandom& r, int estateIndex, const TDemoEstate& e,
                             const TLayout& l) {
    const bool home = qstrcmp(e.purpose, "住宅") == 0;
    return {Param(QStringLiteral("District"), Text(e.district)),
            Param(QStringLiteral("Place"), Text(e.place)),
            Param(QStringLiteral("Address"),
                  QStringLiteral("%1%2号").arg(Text(e.street)).arg(18 + estateIndex * 37 % 400)),
            Param(QStringLiteral("HouseName"), Text(e.name)),
            Param(QStringLiteral("Seat"), SeatFor(r, e)),
            Param(QStringLiteral("Floor"), l.floor),
            Param(QStringLiteral("FloorB"), l.floorB),
            Param(QStringLiteral("FloorCount"), e.floorCount),
            Param(QStringLiteral("DoorNo"), DoorNoFor(r, e, l)),
            Param(QStringLiteral("HouseType"), Text(e.houseType)),
            Param(QStringLiteral("Purpose"), Text(e.purpose)),
            Param(QStringLiteral("BuildYear"), e.buildYear),
            Param(QStringLiteral("BuildMonth"), r.Range(1, 12)),
            Param(QStringLiteral("RightProp"), Text(e.rightProp)),
            Param(QStringLiteral("PropNo"),
                  QStringLiteral("不动产权第%1号").arg(r.Range(1, 9999999), 7, 10, QLatin1Char('0'))),
            Param(QStringLiteral("Burgage"), Text(e.burgage)),
            Param(QStringLiteral("CanSettle"), home ? QStringLiteral("能") : QStringLiteral("不能")),
            Param(QStringLiteral("Keys"), r.Chance(40) ? QStringLiteral("有") : QStringLiteral("无")),
            Param(QStringLiteral("CanSchool"), Text(e.school)),
            Param(QStringLiteral("Hospitals"), Text(e.hospitals)),
            Param(QStringLiteral("Markets"), Text(e.markets)),
            Param(QStringLiteral("Traffics"), Text(e.traffics))};
}

QString DirectionFor(TDemoRandom& r, const TDemoEstate& e) {
    if (Is(e, "商铺") || Is(e, "写字楼"))
        return r.Pick("东|西|南|北|东南");
    return r.Pick("南|南|南北通透|南北通透|东南|西南|东|西");
}

QString OtherAreaFor(TDemoRandom& r, const TDemoEstate& e) {
    if (!Is(e, "住宅") && !Is(e, "别墅"))
        return QString();
    if (!e.lift && r.Chance(50))
        return QStringLiteral("储藏室约%1平方米").arg(r.Range(5, 12));
    if (e.lift && r.Chance(25))
        return QStringLiteral("地下车位一个");
    return Is(e, "别墅") ? QStringLiteral("花园约%1平方米,车库一间").arg(r.Range(60, 150))
                         : QString();
}

TDBParameters StructureParams(TDemoRandom& r, const TDemoEstate& e, const TLayout& l) {
    return {Param(QStringLiteral("Room"), l.room),
            Param(QStringLiteral("Hall"), l.hall),
            Param(QStringLiteral("Bath"), l.bath),
            Param(QStringLiteral("Balcony"), l.balcony),
            Param(QStringLiteral("Stairs"), e.lift ? QStringLiteral("2") : QStringLiteral("1")),
            Param(QStringLiteral("Door"), e.lift ? QStringLiteral("4") : QStringLiteral("2")),
            Param(QStringLiteral("BuildArea"), l.area),
            Param(QStringLiteral("AreaNote"), QString()),
            Param(QStringLiteral("OtherArea"), OtherAreaFor(r, e)),
            Param(QStringLiteral("ShareArea"), e.lift ? r.Range(17, 24) : r.Range(8, 12)),
            Param(QStringLiteral("Direction"), DirectionFor(r, e)),
            Param(QStringLiteral("MgrFund"), std::round(l.area * e.mgrFund)),
            Param(QStringLiteral("MgrFundUnit"), QStringLiteral("元/月"))};
}

double SaleFund(TDemoRandom& r, const TDemoEstate& e, double area) {
    const double wan = area * e.unitPrice * r.Real(0.92, 1.08) / 10000;
    return wan >= 100 ? std::round(wan) : std::round(wan * 2) / 2;
}

const char* const kSaleNotes = "满五唯一,税费低|满两年|业主诚心出售,价格可谈|可配合商业贷款|"
                               "需一次性付款|带租约出售|学区名额未占用|房东置换,急售";
const char* const kRentNotes = "押一付三|押二付三,可月付|半年付|年付可优惠|可短租|拎包入住";

TDBParameters TradeParams(TDemoRandom& r, const TDemoEstate& e, TDemoHouse& h) {
    const bool sale = h.dealType != QLatin1String("出租");
    const bool rent = h.dealType != QLatin1String("出售");
    h.fund = sale ? SaleFund(r, e, h.area) : 0;
    h.price = sale ? std::round(h.fund * 10000 / h.area) : 0;
    h.rentFund = rent ? std::round(h.area * e.rentPerMetre * r.Real(0.9, 1.1) / 100) * 100 : 0;
    QString note = sale ? r.Pick(kSaleNotes) : QString();
    if (rent)
        note = (note.isEmpty() ? QString() : note + QStringLiteral(";")) + r.Pick(kRentNotes);
    return {Param(QStringLiteral("DealType"), h.dealType),
            Param(QStringLiteral("Fund"), h.fund),
            Param(QStringLiteral("Price"), h.price),
            Param(QStringLiteral("BasePrice"),
                  sale ? QString::number(std::floor(h.fund * 0.96)) : QString()),
            Param(QStringLiteral("RentFund"), h.rentFund),
            Param(QStringLiteral("RentFundUnit"), rent ? QStringLiteral("元/月") : QString()),
            Param(QStringLiteral("RentBasePrice"),
                  rent ? QString::number(h.rentFund - 200) : QString()),
            Param(QStringLiteral("DealNote"), note)};
}

// Installations in the order of their pick list.
QString UtilitiesFor(TDemoRandom& r, const TDemoEstate& e) {
    const bool recent = e.buildYear >= 2005;
    QStringList items;
    if (e.lift)
        items << QStringLiteral("电梯");
    items << (recent ? QStringLiteral("天然气") : QStringLiteral("管道煤气"));
    if (recent && r.Chance(40))
        items << QStringLiteral("车位");
    if (!e.lift && r.Chance(50))
        items << QStringLiteral("储藏室");
    if (recent)
        items << QStringLiteral("门禁");
    return items.join(u',');
}

QString DecorationFor(TDemoRandom& r, const TDemoEstate& e) {
    if (Is(e, "写字楼") || Is(e, "商铺"))
        return r.Pick("毛坯|简装|简装|精装");
    return e.buildYear >= 2010 ? r.Pick("毛坯|简装|中装|精装|精装|豪装")
                               : r.Pick("简装|简装|中装|中装|精装");
}

const char* const kDecorationNotes = "|厨卫翻新过|全屋定制柜|地暖已铺,墙面重新刷过|"
                                     "水电重新改过|保养很好,拎包入住|装修有些旧,需稍作翻新";

TDBParameters FittingParams(TDemoRandom& r, const TDemoEstate& e, const QDateTime& now) {
    const QString decoration = DecorationFor(r, e);
    const bool bare = decoration == QLatin1String("毛坯");
    const bool furnished = !bare && qstrcmp(e.purpose, "办公") != 0 && r.Chance(60);
    const int year = bare ? 0 : r.Range(qMin(e.buildYear + 1, now.date().year() - 1), now.date().year() - 1);
    return {Param(QStringLiteral("Decoration"), decoration),
            Param(QStringLiteral("Decorations"), bare ? QString() : r.Pick(kDecorationNotes)),
            Param(QStringLiteral("DecorateYear"), year),
            Param(QStringLiteral("DecorateMonth"), bare ? 0 : r.Range(1, 12)),
            Param(QStringLiteral("OutWall"), e.buildYear >= 2010 ? r.Pick("真石漆|面砖|涂料|石材干挂")
                                                                : r.Pick("面砖|涂料|马赛克")),
            Param(QStringLiteral("InnerWall"), bare ? QString() : r.Pick("乳胶漆|乳胶漆|墙纸|硅藻泥")),
            Param(QStringLiteral("FloorBoard"), bare ? QStringLiteral("水泥地面")
                                                     : r.Pick("实木复合地板|强化复合地板|地砖|实木地板")),
            Param(QStringLiteral("WinDoor"), e.buildYear >= 2008 ? QStringLiteral("断桥铝合金窗")
                                                                 : r.Pick("塑钢窗|铝合金窗")),
            Param(QStringLiteral("Utilities"), UtilitiesFor(r, e)),
            Param(QStringLiteral("HomeWirings"),
                  furnished ? r.PickSome("空调|冰箱|洗衣机|电视机|热水器|燃气灶|抽油烟机", 4)
                            : QString()),
            Param(QStringLiteral("Furnitures"),
                  furnished ? r.PickSome("床|衣柜|沙发|餐桌椅|书桌|鞋柜|整体橱柜|电视柜", 3)
                            : QString())};
}

const char* const kContactNotes = "|业主在外地,看房需提前一天预约|工作日晚上七点后方便联系|"
                                  "钥匙在物业处,看房前电话告知|租客在住,看房需提前约|"
                                  "业主为老人,请联系其女儿";

TDBParameters ContactParams(TDemoRandom& r, int n, TDemoHouse& h) {
    h.linkman = TDemoPeople::OwnerName(r);
    const QString broker = TDemoPeople::Broker(r);
    h.billman = broker;
    h.broker = r.Chance(85) ? broker : QString();
    return {Param(QStringLiteral("Linkman"), h.linkman),
            Param(QStringLiteral("LinkTel"), TDemoPeople::OwnerTel(n)),
            Param(QStringLiteral("LinkNote"), r.Pick(kContactNotes)),
            Param(QStringLiteral("Billman"), broker),
            Param(QStringLiteral("Addor"), broker),
            Param(QStringLiteral("Broker"), h.broker),
            Param(QStringLiteral("BillTime"), h.billTime),
            Param(QStringLiteral("State"), h.state),
            Param(QStringLiteral("ComeFrom"), r.Pick("上门登记|电话委托|网络平台|老客户介绍|社区驻点|小区广告")),
            Param(QStringLiteral("Note"),
                  r.Pick("||近地铁站步行约五分钟|小区环境好,绿化率高|楼层好,视野开阔|"
                         "物业管理到位|周边配套成熟"))};
}

// Registered from eight months ago to a few days ago, in code order.
QDateTime BillTimeFor(TDemoRandom& r, int n, const QDateTime& now) {
    const int daysAgo = 3 + (TDemoHouses::kCount - 1 - n) * 237 / (TDemoHouses::kCount - 1);
    return QDateTime(now.date().addDays(-daysAgo), QTime(r.Range(9, 18), r.Range(0, 59)));
}

TDemoHouse InstallHouse(TDatabase& db, TDemoRandom& r, int n, const QDateTime& now) {
    const auto estates = DemoEstates();
    const int estateIndex = r.Range(0, int(estates.size()) - 1);
    const TDemoEstate& e = estates[estateIndex];
    const TLayout layout = Layout(r, e);
    TDemoHouse h;
    h.id = n + 1;
    h.code = QStringLiteral("FY%1").arg(n + 1, 5, 10, QLatin1Char('0'));
    h.estate = Text(e.name);
    h.area = layout.area;
    h.recycled = std::find(std::begin(kRecycled), std::end(kRecycled), n) != std::end(kRecycled);
    h.dealType = DealTypeFor(r, e);
    h.state = StateFor(r, h.dealType, h.recycled);
    h.billTime = BillTimeFor(r, n, now);
    TDBParameters params = {Param(QStringLiteral("Id"), h.id),
                            Param(QStringLiteral("IsRecycle"), h.recycled),
                            Param(QStringLiteral("Code"), h.code)};
    params << LocationParams(r, estateIndex, e, layout) << StructureParams(r, e, layout)
           << TradeParams(r, e, h) << FittingParams(r, e, now) << ContactParams(r, n + 1, h);
    TDeliveredRows::Insert(db, QStringLiteral("house"), params);
    return h;
}

} // namespace

QList<TDemoHouse> TDemoHouses::Install(TDatabase& db, TDemoRandom& random, const QDateTime& now) {
    QList<TDemoHouse> houses;
    for (int n = 0; n < kCount; ++n)
        houses << InstallHouse(db, random, n, now);
    return houses;
}
