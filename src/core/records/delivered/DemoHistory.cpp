#include "records/delivered/DemoHistory.h"

#include "data/Database.h"
#include "records/delivered/DeliveredRows.h"
#include "records/delivered/DemoPeople.h"
#include "records/delivered/DemoRandom.h"

#include <QHash>

#include <cmath>

namespace {

// A house or client as its follow-ups and change log see it.
struct TParent {
    int id;
    QDateTime billTime;
    QDateTime until; // follow-ups end here: the deal or now
    QString handman;
    bool live;
    const char* details; // '|'-separated descriptions of follow-ups
};

const char* const kSaleVisits =
    "带客户看房,客户对户型满意,觉得总价偏高|电话回访业主,业主表示价格可小幅让步|"
    "实地勘察并拍照,房源已上网推广|复核房源,业主仍在出售,价格不变|"
    "带看两组客户,其中一组有意向,约周末复看|客户出价低于底价,已转告业主,业主考虑中";
const char* const kRentVisits =
    "带客户看房,客户嫌楼层偏低|电话回访房东,房子仍空置,随时可看|"
    "房东同意租金可谈,押一付三|已拍照上网,咨询电话较多|带看一组租客,约明天答复";
const char* const kBuyVisits = "电话沟通需求,推荐三套房源|带看两套房源,客户觉得总价偏高|"
                               "客户已办好贷款预审,看中房源可随时签约|客户暂缓购房,约下月再联系|"
                               "带客户复看,客户对小区环境满意";
const char* const kRentWishVisits = "推荐两套房源,客户约周六看房|带看后客户嫌通勤太远|"
                                    "客户要求租金再便宜两百元|电话回访,客户仍在找房";

QDateTime Day(const QDateTime& now, int days) {
    return QDateTime(now.date().addDays(days), QTime(0, 0));
}

// Every eighth parent has a reminder due now (the date one to three days ahead,
// three to five days of notice); every eighth after that one due next month.
void ReminderFor(int n, const QDateTime& now, QVariant& hintDate, int& hintDays) {
    hintDate = QVariant(QMetaType::fromType<QDateTime>());
    hintDays = 3;
    if (n % 8 == 2) {
        hintDate = Day(now, 1 + n % 3);
        hintDays = 3 + n % 3;
    } else if (n % 8 == 6) {
        hintDate = Day(now, 15 + n % 20);
    }
}

void InstallVisits(TDatabase& db, TDemoRandom& r, const QString& table, const QString& parentColumn,
                   const QList<TParent>& parents, const QDateTime& now) {
    int id = 0;
    QList<TDBParameters> rows;
    for (qsizetype n = 0; n < parents.size(); ++n) {
        const TParent& p = parents[n];
        const int count = r.Range(1, 3);
        const QStringList details = QString::fromUtf8(p.details).split(u'|');
        const int first = r.Range(0, int(details.size()) - 1);
        const qint64 span = qMax<qint64>(1, p.billTime.daysTo(p.until));
        for (int k = 0; k < count; ++k) {
            const QDateTime when(p.billTime.date().addDays(span * (k + 1) / (count + 1)),
                                 QTime(r.Range(9, 18), r.Range(0, 59)));
            QVariant hintDate = QVariant(QMetaType::fromType<QDateTime>());
            int hintDays = 3;
            if (k == count - 1 && p.live)
                ReminderFor(int(n), now, hintDate, hintDays);
            rows << TDBParameters{
                Param(QStringLiteral("Id"), ++id),
                Param(parentColumn, p.id),
                Param(QStringLiteral("VizDate"), qMin(when, now)),
                Param(QStringLiteral("VizType"), r.Pick("上门|上门|上门|电话|电话|电子邮件")),
                Param(QStringLiteral("Handman"), p.handman),
                Param(QStringLiteral("Details"), details[(first + k) % details.size()]),
                Param(QStringLiteral("HintDate"), hintDate),
                Param(QStringLiteral("HintDays"), hintDays),
                Param(QStringLiteral("Billman"), p.handman)};
        }
    }
    TDeliveredRows::InsertMany(db, table, rows);
}

QString Handman(const QString& broker, const QString& billman) {
    return broker.isEmpty() ? billman : broker;
}

QList<TParent> HouseParents(const QList<TDemoHouse>& houses, const QHash<int, QDate>& signed_,
                            const QDateTime& now) {
    QList<TParent> parents;
    for (const TDemoHouse& h : houses)
        parents << TParent{h.id,
                           h.billTime,
                           signed_.contains(h.id) ? QDateTime(signed_[h.id], QTime(0, 0)) : now,
                           Handman(h.broker, h.billman),
                           !h.recycled && !signed_.contains(h.id),
                           h.dealType == QStringLiteral("出租") ? kRentVisits : kSaleVisits};
    return parents;
}

QList<TParent> ClientParents(const QList<TDemoClient>& clients, const QDateTime& now) {
    QList<TParent> parents;
    for (const TDemoClient& c : clients)
        parents << TParent{c.id,
                           c.billTime,
                           now,
                           Handman(c.broker, c.billman),
                           c.state != QStringLiteral("无效"),
                           c.dealType == QStringLiteral("求购") ? kBuyVisits : kRentWishVisits};
    return parents;
}

// The people who closed the deals: each client in the state a deal leaves him
// in closes one deal; further deals went to people the agency did not register.
struct TCounterparts {
    QList<const TDemoClient*> clients;
    qsizetype next = 0;
    int walkIns = 0;
};

// Counterparts the agency did not register get numbers from `firstWalkIn` on.
TCounterparts CounterpartsIn(const QList<TDemoClient>& clients, const QString& state,
                             int firstWalkIn) {
    TCounterparts counterparts;
    counterparts.walkIns = firstWalkIn - 1;
    for (const TDemoClient& c : clients) {
        if (c.state == state)
            counterparts.clients << &c;
    }
    return counterparts;
}

void NextCounterpart(TCounterparts& counterparts, TDemoRandom& r, TDBParameters& params) {
    if (counterparts.next < counterparts.clients.size()) {
        const TDemoClient* c = counterparts.clients[counterparts.next++];
        params << Param(QStringLiteral("ClientName"), c->name)
               << Param(QStringLiteral("ClientTel"), c->tel)
               << Param(QStringLiteral("ClientNote"), QStringLiteral("本店客户%1").arg(c->code));
        return;
    }
    params << Param(QStringLiteral("ClientName"), TDemoPeople::FullName(r, r.Chance(50)))
           << Param(QStringLiteral("ClientTel"), TDemoPeople::WalkInTel(++counterparts.walkIns))
           << Param(QStringLiteral("ClientNote"), r.Pick("同行合作成交|门店自然来客|老客户介绍"));
}

QString DealContent(const TDemoHouse& h, bool sale, const QDate& signDate) {
    if (sale)
        return QStringLiteral("成交价%1万元,定金5万元已付,余款按揭,约定一个月内办理过户.")
            .arg(h.fund);
    return QStringLiteral("月租%1元,押一付三,租期一年,自%2起租.")
        .arg(h.rentFund)
        .arg(signDate.toString(QStringLiteral("yyyy-MM-dd")));
}

// A deal and its reminder: a sale reminds of the transfer a month after signing,
// and the first two sales were signed so that their transfer falls due in the
// next days; a letting reminds of the end of the lease a month ahead.
struct TDealDates {
    QDate signDate;
    QDate hintDate;
    int hintDays;
};

TDealDates DealDates(const TDemoHouse& h, bool sale, int salesBefore, const QDateTime& now) {
    const QDate billed = h.billTime.date();
    const QDate latest = now.date().addDays(-2);
    QDate sign = billed.addDays(qMax<qint64>(1, billed.daysTo(latest) * 3 / 4));
    if (!sale)
        return {sign, sign.addDays(365), 30};
    if (salesBefore < 2)
        sign = now.date().addDays(1 + salesBefore - 30);
    return {sign, sign.addDays(30), 5};
}

QDateTime Midnight(const QDate& d) {
    return QDateTime(d, QTime(0, 0));
}

// Deals of the houses sold or let; gives the day each was signed.
QHash<int, QDate> InstallDeals(TDatabase& db, TDemoRandom& r, const TDemoAgencyRecords& agency,
                               const QDateTime& now) {
    TCounterparts buyers = CounterpartsIn(agency.clients, QStringLiteral("已购"), 1);
    TCounterparts tenants = CounterpartsIn(agency.clients, QStringLiteral("已租"), 101);
    QHash<int, QDate> signed_;
    QList<TDBParameters> rows;
    int sales = 0;
    for (const TDemoHouse& h : agency.houses) {
        const bool sale = h.state == QStringLiteral("已售");
        if (!sale && h.state != QStringLiteral("已租"))
            continue;
        const TDealDates dates = DealDates(h, sale, sale ? sales++ : 0, now);
        signed_.insert(h.id, dates.signDate);
        TDBParameters params = {Param(QStringLiteral("Id"), int(rows.size()) + 1),
                                Param(QStringLiteral("HouseId"), h.id),
                                Param(QStringLiteral("DealType"),
                                      sale ? QStringLiteral("置换") : QStringLiteral("租赁")),
                                Param(QStringLiteral("SignDate"), Midnight(dates.signDate))};
        NextCounterpart(sale ? buyers : tenants, r, params);
        params << Param(QStringLiteral("Content"), DealContent(h, sale, dates.signDate))
               << Param(QStringLiteral("HintDate"), Midnight(dates.hintDate))
               << Param(QStringLiteral("HintDays"), dates.hintDays)
               << Param(QStringLiteral("Handman"), Handman(h.broker, h.billman))
               << Param(QStringLiteral("Billman"), Handman(h.broker, h.billman));
        rows << params;
    }
    TDeliveredRows::InsertMany(db, QStringLiteral("deals"), rows);
    return signed_;
}

// One line of a change log: label, old and new value.
QString ChangeLine(const QString& label, const QString& before, const QString& after) {
    return QStringLiteral("%1: \"%2\" → \"%3\"\r\n").arg(label, before, after);
}

QString Number(double value) {
    return QString::number(value, 'g', 12);
}

// An earlier price cut of a house.
QString HousePriceChange(TDemoRandom& r, const TDemoHouse& h) {
    if (h.fund <= 0)
        return ChangeLine(QStringLiteral("租价"), Number(h.rentFund + 300), Number(h.rentFund));
    const double before = h.fund + r.Range(2, 12);
    return ChangeLine(QStringLiteral("售价(万元)"), Number(before), Number(h.fund)) +
           ChangeLine(QStringLiteral("单价(元)"), Number(std::round(before * 10000 / h.area)),
                      Number(h.price));
}

// A client who raised his upper price.
QString ClientChange(TDemoRandom& r, const TDemoClient& c) {
    const double step = c.dealType == QStringLiteral("求购") ? 100000 : 500;
    const double before = qMax(c.fund1, c.fund2 - step * r.Range(1, 3));
    return ChangeLine(QStringLiteral("价格2"), Number(before), Number(c.fund2));
}

// A moment between two days, in office hours, never after now.
QDateTime Between(TDemoRandom& r, const QDate& from, const QDate& to, const QDateTime& now) {
    const QDateTime when(from.addDays(r.Range(0, int(qMax<qint64>(0, from.daysTo(to))))),
                         QTime(r.Range(9, 18), r.Range(0, 59), r.Range(0, 59)));
    return qMin(when, now);
}

TDBParameters ChangeRow(const QString& parentColumn, int id, const TParent& p,
                        const QDateTime& when, const QString& text) {
    return {Param(QStringLiteral("Id"), id), Param(parentColumn, p.id),
            Param(QStringLiteral("Changer"), p.handman), Param(QStringLiteral("ChangeTime"), when),
            Param(QStringLiteral("ChangeDetails"), text)};
}

// About one house in three had its price cut after registration; a house sold
// or let was marked so the day after the deal.
void InstallHouseChanges(TDatabase& db, TDemoRandom& r, const TDemoAgencyRecords& agency,
                         const QHash<int, QDate>& signed_, const QDateTime& now) {
    const QList<TParent> houses = HouseParents(agency.houses, signed_, now);
    QList<TDBParameters> rows;
    for (qsizetype n = 0; n < houses.size(); ++n) {
        const TDemoHouse& h = agency.houses[n];
        const QDate billed = h.billTime.date();
        const QDate dealt = signed_.value(h.id, now.date());
        if (r.Chance(35))
            rows << ChangeRow(QStringLiteral("HouseId"), int(rows.size()) + 1, houses[n],
                              Between(r, billed.addDays(1), dealt.addDays(-1), now),
                              HousePriceChange(r, h));
        if (signed_.contains(h.id))
            rows << ChangeRow(QStringLiteral("HouseId"), int(rows.size()) + 1, houses[n],
                              Between(r, dealt.addDays(1), dealt.addDays(1), now),
                              ChangeLine(QStringLiteral("状态"), QStringLiteral("有效"), h.state));
    }
    TDeliveredRows::InsertMany(db, QStringLiteral("housechanges"), rows);
}

// About one client in four changed his price range since registration.
void InstallClientChanges(TDatabase& db, TDemoRandom& r, const TDemoAgencyRecords& agency,
                          const QDateTime& now) {
    const QList<TParent> clients = ClientParents(agency.clients, now);
    QList<TDBParameters> rows;
    for (qsizetype n = 0; n < clients.size(); ++n) {
        if (r.Chance(25))
            rows << ChangeRow(QStringLiteral("ClientId"), int(rows.size()) + 1, clients[n],
                              Between(r, clients[n].billTime.date().addDays(1), now.date(), now),
                              ClientChange(r, agency.clients[n]));
    }
    TDeliveredRows::InsertMany(db, QStringLiteral("clientchanges"), rows);
}

// Each broker keeps a few live houses and clients of his own bookmarked.
void InstallBookmarks(TDatabase& db, const TDemoAgencyRecords& agency) {
    QList<TDBParameters> houses, clients;
    for (const TDemoHouse& h : agency.houses) {
        if (!h.broker.isEmpty() && h.state == QStringLiteral("有效") && h.id % 5 == 0)
            houses << TDBParameters{Param(QStringLiteral("LoginId"), h.broker),
                                    Param(QStringLiteral("HouseId"), h.id)};
    }
    for (const TDemoClient& c : agency.clients) {
        if (!c.broker.isEmpty() && c.state == QStringLiteral("有效") && c.id % 4 == 0)
            clients << TDBParameters{Param(QStringLiteral("LoginId"), c.broker),
                                     Param(QStringLiteral("ClientId"), c.id)};
    }
    TDeliveredRows::InsertMany(db, QStringLiteral("houseattention"), houses);
    TDeliveredRows::InsertMany(db, QStringLiteral("clientattention"), clients);
}

} // namespace

void TDemoHistory::Install(TDatabase& db, TDemoRandom& random, const TDemoAgencyRecords& agency,
                           const QDateTime& now) {
    const QHash<int, QDate> signed_ = InstallDeals(db, random, agency, now);
    InstallVisits(db, random, QStringLiteral("housevisits"), QStringLiteral("HouseId"),
                  HouseParents(agency.houses, signed_, now), now);
    InstallVisits(db, random, QStringLiteral("clientvisits"), QStringLiteral("ClientId"),
                  ClientParents(agency.clients, now), now);
    InstallHouseChanges(db, random, agency, signed_, now);
    InstallClientChanges(db, random, agency, now);
    InstallBookmarks(db, agency);
}
