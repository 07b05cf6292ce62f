#include "records/delivered/DemoHistory.h"

#include "data/Database.h"
#include "records/delivered/DeliveredRows.h"
#include "records/delivered/DemoRandom.h"

namespace {

// A house or client as its follow-ups and change log see it.
struct TParent {
    int id;
    QDateTime billTime;
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
const char* const kBuyVisits =
    "电话沟通需求,推荐三套房源|带看两套房源,客户觉得总价偏高|"
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
    for (qsizetype n = 0; n < parents.size(); ++n) {
        const TParent& p = parents[n];
        const int count = r.Range(1, 3);
        const qint64 span = qMax<qint64>(1, p.billTime.daysTo(now));
        for (int k = 0; k < count; ++k) {
            const QDateTime when(p.billTime.date().addDays(span * (k + 1) / (count + 1)),
                                 QTime(r.Range(9, 18), r.Range(0, 59)));
            QVariant hintDate = QVariant(QMetaType::fromType<QDateTime>());
            int hintDays = 3;
            if (k == count - 1 && p.live)
                ReminderFor(int(n), now, hintDate, hintDays);
            TDeliveredRows::Insert(
                db, table,
                {Param(QStringLiteral("Id"), ++id), Param(parentColumn, p.id),
                 Param(QStringLiteral("VizDate"), qMin(when, now)),
                 Param(QStringLiteral("VizType"), r.Pick("上门|上门|上门|电话|电话|电子邮件")),
                 Param(QStringLiteral("Handman"), p.handman),
                 Param(QStringLiteral("Details"), r.Pick(p.details)),
                 Param(QStringLiteral("HintDate"), hintDate),
                 Param(QStringLiteral("HintDays"), hintDays),
                 Param(QStringLiteral("Billman"), p.handman)});
        }
    }
}

QString Handman(const QString& broker, const QString& billman) {
    return broker.isEmpty() ? billman : broker;
}

QList<TParent> HouseParents(const QList<TDemoHouse>& houses) {
    QList<TParent> parents;
    for (const TDemoHouse& h : houses)
        parents << TParent{h.id, h.billTime, Handman(h.broker, h.billman), !h.recycled,
                           h.dealType == QLatin1String("出租") ? kRentVisits : kSaleVisits};
    return parents;
}

QList<TParent> ClientParents(const QList<TDemoClient>& clients) {
    QList<TParent> parents;
    for (const TDemoClient& c : clients)
        parents << TParent{c.id, c.billTime, Handman(c.broker, c.billman), c.state != QLatin1String("无效"),
                           c.dealType == QLatin1String("求购") ? kBuyVisits : kRentWishVisits};
    return parents;
}

// The client who closed a deal of the given kind: the next client in the state
// that deal leaves him in, taken in turn.
const TDemoClient* Counterpart(const QList<TDemoClient>& clients, const QString& state, int& turn) {
    QList<const TDemoClient*> matching;
    for (const TDemoClient& c : clients) {
        if (c.state == state)
            matching << &c;
    }
    return matching.isEmpty() ? nullptr : matching[turn++ % matching.size()];
}

QString DealContent(const TDemoHouse& h, bool sale, const QDateTime& signDate) {
    if (sale)
        return QStringLiteral("成交价%1万元,定金5万元已付,余款按揭,约定一个月内办理过户.")
            .arg(h.fund);
    return QStringLiteral("月租%1元,押一付三,租期一年,自%2起租.")
        .arg(h.rentFund)
        .arg(signDate.date().toString(QStringLiteral("yyyy-MM-dd")));
}

// Sales remind of the transfer, the first ones within days; lettings remind of
// the end of the lease a month ahead.
void DealReminder(bool sale, int n, const QDateTime& signDate, const QDateTime& now,
                  QDateTime& hintDate, int& hintDays) {
    if (sale) {
        hintDate = n < 3 ? Day(now, 1 + n) : Day(signDate, 30);
        hintDays = 5;
    } else {
        hintDate = Day(signDate, 365);
        hintDays = 30;
    }
}

void InstallDeals(TDatabase& db, TDemoRandom& r, const TDemoAgencyRecords& agency,
                  const QDateTime& now) {
    int id = 0, saleTurn = 0, rentTurn = 0;
    for (const TDemoHouse& h : agency.houses) {
        const bool sale = h.state == QLatin1String("已售");
        if (!sale && h.state != QLatin1String("已租"))
            continue;
        const TDemoClient* client =
            sale ? Counterpart(agency.clients, QStringLiteral("已购"), saleTurn)
                 : Counterpart(agency.clients, QStringLiteral("已租"), rentTurn);
        const QDateTime signDate(now.date().addDays(-r.Range(2, qMax(2, int(h.billTime.daysTo(now))))),
                                 QTime(0, 0));
        QDateTime hintDate;
        int hintDays = 0;
        DealReminder(sale, id, signDate, now, hintDate, hintDays);
        TDeliveredRows::Insert(
            db, QStringLiteral("deals"),
            {Param(QStringLiteral("Id"), ++id), Param(QStringLiteral("HouseId"), h.id),
             Param(QStringLiteral("DealType"), sale ? QStringLiteral("置换") : QStringLiteral("租赁")),
             Param(QStringLiteral("SignDate"), signDate),
             Param(QStringLiteral("ClientName"), client ? client->name : QStringLiteral("赵先生")),
             Param(QStringLiteral("ClientTel"), client ? client->tel : QStringLiteral("13700009999")),
             Param(QStringLiteral("ClientNote"),
                   client ? QStringLiteral("本店客户%1").arg(client->code) : QStringLiteral("同行介绍")),
             Param(QStringLiteral("Content"), DealContent(h, sale, signDate)),
             Param(QStringLiteral("HintDate"), hintDate), Param(QStringLiteral("HintDays"), hintDays),
             Param(QStringLiteral("Handman"), Handman(h.broker, h.billman)),
             Param(QStringLiteral("Billman"), Handman(h.broker, h.billman))});
    }
}

// One line of a change log: label, old and new value.
QString ChangeLine(const QString& label, const QString& before, const QString& after) {
    return QStringLiteral("%1: \"%2\" → \"%3\"\r\n").arg(label, before, after);
}

QString Number(double value) { return QString::number(value, 'g', 12); }

// A price cut, and for a house that left the market its new state.
QString HouseChange(TDemoRandom& r, const TDemoHouse& h) {
    QString text;
    if (h.fund > 0) {
        const double before = h.fund + r.Range(2, 12);
        text += ChangeLine(QStringLiteral("售价(万元)"), Number(before), Number(h.fund));
        text += ChangeLine(QStringLiteral("单价(元)"), Number(std::round(before * 10000 / h.area)),
                           Number(h.price));
    } else {
        text += ChangeLine(QStringLiteral("租价"), Number(h.rentFund + 300), Number(h.rentFund));
    }
    if (h.state != QLatin1String("有效"))
        text += ChangeLine(QStringLiteral("状态"), QStringLiteral("有效"), h.state);
    return text;
}

QString ClientChange(TDemoRandom& r, const TDemoClient& c) {
    const double step = c.dealType == QLatin1String("求购") ? 100000 : 500;
    QString text = ChangeLine(QStringLiteral("价格2"), Number(c.fund2 - step * r.Range(1, 3)),
                              Number(c.fund2));
    if (c.state != QLatin1String("有效"))
        text += ChangeLine(QStringLiteral("状态"), QStringLiteral("有效"), c.state);
    return text;
}

void InstallChange(TDatabase& db, const QString& table, const QString& parentColumn, int id,
                   const TParent& p, const QString& text, const QDateTime& now, TDemoRandom& r) {
    const qint64 span = qMax<qint64>(1, p.billTime.daysTo(now));
    const QDateTime when(p.billTime.date().addDays(r.Range(1, int(span))),
                         QTime(r.Range(9, 18), r.Range(0, 59), r.Range(0, 59)));
    TDeliveredRows::Insert(db, table,
                           {Param(QStringLiteral("Id"), id), Param(parentColumn, p.id),
                            Param(QStringLiteral("Changer"), p.handman),
                            Param(QStringLiteral("ChangeTime"), qMin(when, now)),
                            Param(QStringLiteral("ChangeDetails"), text)});
}

// About one house in three and one client in four had its record changed since.
void InstallChanges(TDatabase& db, TDemoRandom& r, const TDemoAgencyRecords& agency,
                    const QDateTime& now) {
    const QList<TParent> houses = HouseParents(agency.houses);
    int id = 0;
    for (qsizetype n = 0; n < houses.size(); ++n) {
        if (r.Chance(35) || agency.houses[n].state == QLatin1String("已售"))
            InstallChange(db, QStringLiteral("housechanges"), QStringLiteral("HouseId"), ++id,
                          houses[n], HouseChange(r, agency.houses[n]), now, r);
    }
    const QList<TParent> clients = ClientParents(agency.clients);
    id = 0;
    for (qsizetype n = 0; n < clients.size(); ++n) {
        if (r.Chance(25))
            InstallChange(db, QStringLiteral("clientchanges"), QStringLiteral("ClientId"), ++id,
                          clients[n], ClientChange(r, agency.clients[n]), now, r);
    }
}

} // namespace

void TDemoHistory::Install(TDatabase& db, TDemoRandom& random, const TDemoAgencyRecords& agency,
                           const QDateTime& now) {
    InstallVisits(db, random, QStringLiteral("housevisits"), QStringLiteral("HouseId"),
                  HouseParents(agency.houses), now);
    InstallVisits(db, random, QStringLiteral("clientvisits"), QStringLiteral("ClientId"),
                  ClientParents(agency.clients), now);
    InstallDeals(db, random, agency, now);
    InstallChanges(db, random, agency, now);
}
