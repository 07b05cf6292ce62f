#include "TestDatabase.h"

#include "data/Database.h"
#include "records/DeliveredDatabase.h"
#include "records/Schema.h"
#include "records/delivered/DeliveredOperators.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QSet>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>

#include <cmath>

namespace {

using TRows = QList<QVariantList>;

TRows Rows(const QString& sql, const TDBParameters& params = {}) {
    TDatabase& db = DbConnection();
    QSqlQuery query(db.EnsureOpen());
    db.Exec(query, sql, params);
    TRows rows;
    while (query.next()) {
        QVariantList row;
        for (int i = 0; i < query.record().count(); ++i)
            row << query.value(i);
        rows << row;
    }
    return rows;
}

int Count(const QString& sql) {
    return Rows(sql).value(0).value(0).toInt();
}

// Row counts of every table: what a repeated installation must leave as it is.
QList<int> TableCounts() {
    QList<int> counts;
    for (const QString& table : TSchema::TableNames())
        counts << Count(QStringLiteral("select count(*) from [%1]").arg(table));
    return counts;
}

QHash<int, QStringList> PickLists() {
    QHash<int, QStringList> lists;
    for (const QVariantList& row : Rows(QStringLiteral("select [Key], List from options")))
        lists.insert(row[0].toInt(), row[1].toString().split(QStringLiteral("\r\n")));
    return lists;
}

QStringList Lines(const QString& text) {
    QStringList lines = text.split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QDateTime ToDateTime(const QVariant& v) {
    if (v.typeId() == QMetaType::QDateTime)
        return v.toDateTime();
    return QDateTime::fromString(v.toString(), QStringLiteral("yyyy-MM-dd hh:mm:ss"));
}

double Annuity(double annualRate, int months) {
    const double r = annualRate / 12;
    return 10000 * r / (1 - std::pow(1 + r, -months));
}

// Every value of the columns is empty or an item of the pick list of its key;
// comma lists are checked item by item.
void VerifyPickListValues(const QString& table, const QList<QPair<QString, int>>& columns) {
    const QHash<int, QStringList> lists = PickLists();
    QStringList names;
    for (const auto& c : columns)
        names << c.first;
    for (const QVariantList& row :
         Rows(QStringLiteral("select %1 from %2").arg(names.join(u','), table))) {
        for (qsizetype i = 0; i < columns.size(); ++i) {
            const QString value = row[i].toString();
            if (value.isEmpty())
                continue;
            for (const QString& item : value.split(u',')) {
                if (!lists.value(columns[i].second).contains(item))
                    QFAIL(qPrintable(QStringLiteral("%1.%2: %3 is not in pick list %4")
                                         .arg(table, columns[i].first, item)
                                         .arg(columns[i].second)));
            }
        }
    }
}

} // namespace

class TstDelivered : public QObject {
    Q_OBJECT
  private slots:
    void stepsRunFromEmptyAndStopBeforeTheDemoForSettings() {
        FreshDatabase(TTestContent::Empty);
        TDatabase& db = DbConnection();
        QCOMPARE(TDeliveredDatabase::CurrentStep(db), 0);
        TDeliveredDatabase::InstallSettings(db);
        QVERIFY(TSchema::Exists(db));
        QVERIFY(TDeliveredDatabase::CurrentStep(db) < TDeliveredDatabase::LatestStep());
        QCOMPARE(Count(QStringLiteral("select count(*) from options")), 48);
        QCOMPARE(Count(QStringLiteral("select count(*) from house")), 0);
        QCOMPARE(Count(QStringLiteral("select count(*) from client")), 0);

        TDeliveredDatabase::InstallAll(db);
        QCOMPARE(TDeliveredDatabase::CurrentStep(db), TDeliveredDatabase::LatestStep());
        QVERIFY(Count(QStringLiteral("select count(*) from house")) > 0);
        QCOMPARE(Count(QStringLiteral("select count(*) from keyvalue where KeyId=9000")), 1);
    }

    void runningAgainChangesNothing() {
        FreshDatabase(TTestContent::Demo);
        TDatabase& db = DbConnection();
        const QList<int> before = TableCounts();
        const TRows options =
            Rows(QStringLiteral("select [Key], List from options order by [Key]"));
        TDeliveredDatabase::InstallAll(db);
        TDeliveredDatabase::InstallSettings(db);
        QCOMPARE(TableCounts(), before);
        QCOMPARE(Rows(QStringLiteral("select [Key], List from options order by [Key]")), options);

        // A database whose tables were made elsewhere counts as step 1: the steps
        // run again but add nothing to rows that are there.
        db.Execute(QStringLiteral("delete from keyvalue where KeyId=9000"));
        QCOMPARE(TDeliveredDatabase::CurrentStep(db), 1);
        TDeliveredDatabase::InstallAll(db);
        QCOMPARE(TableCounts(), before);
        QCOMPARE(TDeliveredDatabase::CurrentStep(db), TDeliveredDatabase::LatestStep());
    }

    void optionsRunFromZeroWithoutGaps() {
        FreshDatabase(TTestContent::Delivered);
        const TRows rows = Rows(QStringLiteral("select [Key], List from options order by [Key]"));
        QCOMPARE(rows.size(), 48);
        for (int i = 0; i < rows.size(); ++i)
            QCOMPARE(rows[i][0].toInt(), i);
        QCOMPARE(rows[11][1].toString(), QStringLiteral("FY\r\n5\r\n"));
        QCOMPARE(rows[13][1].toString(), QStringLiteral("KH\r\n5\r\n"));
        // Every pick list of the options window holds items, one per line,
        // without blank lines.
        for (int key : {0,  1,  3,  4,  5,  7,  9,  10, 26, 27, 28, 30, 32,
                        33, 34, 35, 36, 37, 38, 39, 40, 41, 43, 46, 47}) {
            const QStringList items = rows[key][1].toString().split(QStringLiteral("\r\n"));
            QVERIFY2(items.size() >= 3, qPrintable(QString::number(key)));
            for (const QString& item : items)
                QVERIFY2(!item.trimmed().isEmpty() && !item.contains(u'\n') &&
                             !item.contains(u'\r'),
                         qPrintable(QString::number(key)));
            QCOMPARE(QSet<QString>(items.begin(), items.end()).size(), items.size());
        }
    }

    void switchesAreOnAndPromptsSet() {
        FreshDatabase(TTestContent::Delivered);
        for (int key : {3, 5, 8, 9}) {
            const TRows rows =
                Rows(QStringLiteral("select [Value] from [keyvalue] where [KeyId]=:KeyId1"),
                     {Param(QStringLiteral("KeyId1"), key)});
            QCOMPARE(rows.size(), 1);
            QVERIFY(rows[0][0].toBool());
        }
        const TRows prompts = Rows(QStringLiteral(
            "select KeyId, Vbool from keyvalue where KeyId in (0, 1) order by KeyId"));
        QCOMPARE(prompts.size(), 2);
        QCOMPARE(prompts[0][1].toInt(), 0);
        QCOMPARE(prompts[1][1].toInt(), 1);
    }

    void loanTablesFollowTheAnnuity_data() {
        QTest::addColumn<int>("typId");
        QTest::newRow("commercial home") << 1;
        QTest::newRow("commercial premises") << 0;
        QTest::newRow("fund home") << 3;
        QTest::newRow("fund premises") << 2;
    }
    void loanTablesFollowTheAnnuity() {
        QFETCH(int, typId);
        FreshDatabase(TTestContent::Delivered);
        const TRows rows = Rows(
            QStringLiteral("select Rates, Years, Months, Returns from [rates] where TypId=:TypId"),
            {Param(QStringLiteral("TypId"), typId)});
        QCOMPARE(rows.size(), 1);
        for (int c = 0; c < 4; ++c)
            QVERIFY(rows[0][c].toString().endsWith(QStringLiteral("\r\n")));
        const QStringList rates = Lines(rows[0][0].toString());
        const QStringList years = Lines(rows[0][1].toString());
        const QStringList months = Lines(rows[0][2].toString());
        const QStringList returns = Lines(rows[0][3].toString());
        QCOMPARE(rates.size(), 30);
        QCOMPARE(years.size(), 30);
        QCOMPARE(months.size(), 30);
        QCOMPARE(returns.size(), 30);
        static const QRegularExpression rateForm(QStringLiteral(R"(^\d*\.\d{4}$)"));
        static const QRegularExpression returnForm(QStringLiteral(R"(^\d*\.\d{2}$)"));
        for (int i = 0; i < 30; ++i) {
            QCOMPARE(years[i].toInt(), i + 1);
            QCOMPARE(months[i].toInt(), (i + 1) * 12);
            QVERIFY2(rateForm.match(rates[i]).hasMatch(), qPrintable(rates[i]));
            QVERIFY2(returnForm.match(returns[i]).hasMatch(), qPrintable(returns[i]));
            const double rate = rates[i].toDouble();
            QVERIFY(rate > 0.015 && rate < 0.06);
            QVERIFY(!rates[i].startsWith(u'0'));
        }
        for (int term : {1, 5, 10, 20, 30}) {
            const double expected = Annuity(rates[term - 1].toDouble(), term * 12);
            QVERIFY2(std::abs(returns[term - 1].toDouble() - expected) <= 0.005,
                     qPrintable(QStringLiteral("%1 years: %2, expected %3")
                                    .arg(term)
                                    .arg(returns[term - 1])
                                    .arg(expected)));
        }
        // A 30-year home loan at about 3 % costs about 42 yuan a month per 10,000.
        QVERIFY(returns[29].toDouble() > 30 && returns[29].toDouble() < 60);
    }

    void taxesOperatorsAndSingleRows() {
        FreshDatabase(TTestContent::Delivered);
        const TRows taxes =
            Rows(QStringLiteral("select TaxName, LiveUnitId, UnLiveUnitId, Id from tax"));
        QStringList names;
        for (const QVariantList& t : taxes) {
            names << t[0].toString();
            QVERIFY(t[1].toInt() >= 0 && t[1].toInt() <= 2);
            QVERIFY(t[2].toInt() >= 0 && t[2].toInt() <= 2);
        }
        for (const char* tax : {"契税", "印花税", "增值税", "个人所得税", "交易手续费", "登记费"})
            QVERIFY2(names.join(u'|').contains(QString::fromUtf8(tax)), tax);

        const TRows sa = Rows(
            QStringLiteral("select LoginId, Password, Rights from operator where LoginId='sa'"));
        QCOMPARE(sa.size(), 1);
        QVERIFY(sa[0][1].toString().isEmpty());
        for (int right : TDeliveredOperators::AllRights())
            QVERIFY(sa[0][2].toString().contains(QStringLiteral(",%1,").arg(right)));
        const TRows others =
            Rows(QStringLiteral("select Name, Rights from operator where LoginId<>'sa'"));
        QCOMPARE(others.size(), 2);
        static const QRegularExpression rightsForm(QStringLiteral(R"(^(,\d+,)+$)"));
        for (const QVariantList& op : others) {
            QVERIFY(!op[0].toString().isEmpty());
            QVERIFY(rightsForm.match(op[1].toString()).hasMatch());
            QVERIFY(!op[1].toString().contains(QStringLiteral(",5,"))); // never offered
        }

        QCOMPARE(Count(QStringLiteral("select count(*) from [backup]")), 1);
        const TRows company = Rows(QStringLiteral("select CompanyName, Tel, Address from Company"));
        QCOMPARE(company.size(), 1);
        QVERIFY(company[0][0].toString().toLocal8Bit().size() >= 8);
        const TRows reports = Rows(
            QStringLiteral("select GrpId, count(*) from report group by GrpId order by GrpId"));
        QCOMPARE(reports, TRows({{0, 2}, {2, 2}}));
    }

    void demoAgencyIsLargeAndConsistent() {
        FreshDatabase(TTestContent::Demo);
        QVERIFY(Count(QStringLiteral("select count(*) from house where abs(IsRecycle)=0")) >= 60);
        QVERIFY(Count(QStringLiteral("select count(*) from client where abs(IsRecycle)=0")) >= 40);
        QVERIFY(Count(QStringLiteral("select count(*) from house where abs(IsRecycle)=1")) > 0);
        for (const char* parent : {"house", "client"}) {
            const QString table = QString::fromLatin1(parent);
            const QString prefix =
                table == QLatin1String("house") ? QStringLiteral("FY") : QStringLiteral("KH");
            const TRows codes = Rows(QStringLiteral("select Code from %1 order by Id").arg(table));
            QSet<QString> seen;
            for (int i = 0; i < codes.size(); ++i) {
                const QString code = codes[i][0].toString();
                QCOMPARE(code, prefix + QStringLiteral("%1").arg(i + 1, 5, 10, QLatin1Char('0')));
                seen.insert(code);
            }
            QCOMPARE(seen.size(), codes.size());
        }
        for (const char* child : {"housevisits", "clientvisits", "deals", "housechanges",
                                  "clientchanges", "houseattention", "clientattention"})
            QVERIFY2(Count(QStringLiteral("select count(*) from %1").arg(QLatin1String(child))) > 0,
                     child);
    }

    void demoValuesComeFromThePickLists() {
        FreshDatabase(TTestContent::Demo);
        VerifyPickListValues(
            QStringLiteral("house"),
            {{"District", 0},      {"Place", 32},     {"HouseType", 1},   {"Purpose", 9},
             {"Direction", 3},     {"Decoration", 4}, {"RightProp", 5},   {"Burgage", 40},
             {"State", 41},        {"ComeFrom", 33},  {"OutWall", 26},    {"InnerWall", 34},
             {"FloorBoard", 27},   {"WinDoor", 35},   {"CanSchool", 28},  {"MgrFundUnit", 30},
             {"RentFundUnit", 30}, {"Utilities", 36}, {"HomeWirings", 7}, {"Furnitures", 37},
             {"Hospitals", 38},    {"Markets", 39},   {"Traffics", 10}});
        VerifyPickListValues(QStringLiteral("client"), {{"District", 0},
                                                        {"Place", 32},
                                                        {"HouseType", 1},
                                                        {"Purpose", 9},
                                                        {"Direction", 3},
                                                        {"Decoration", 4},
                                                        {"State", 43},
                                                        {"ComeFrom", 33},
                                                        {"Industry", 46}});
        const QSet<QString> operators = [] {
            QSet<QString> ids;
            for (const QVariantList& r : Rows(QStringLiteral("select LoginId from operator")))
                ids.insert(r[0].toString());
            return ids;
        }();
        for (const QVariantList& r :
             Rows(QStringLiteral("select Billman, Broker, Addor from house union all select "
                                 "Billman, Broker, Addor from client")))
            for (const QVariant& v : r)
                QVERIFY(v.toString().isEmpty() || operators.contains(v.toString()));
    }

    void demoPricesAndWishesAddUp() {
        FreshDatabase(TTestContent::Demo);
        for (const QVariantList& h : Rows(QStringLiteral(
                 "select DealType, Fund, Price, BuildArea, RentFund, RentFundUnit from house"))) {
            const QString dealType = h[0].toString();
            QVERIFY(QStringList({"出售", "出租", "租售"}).contains(dealType));
            const bool sale = dealType != QStringLiteral("出租");
            const bool rent = dealType != QStringLiteral("出售");
            QCOMPARE(h[1].toDouble() > 0, sale);
            QCOMPARE(h[4].toDouble() > 0, rent);
            if (sale)
                QVERIFY(std::abs(h[2].toDouble() - h[1].toDouble() * 10000 / h[3].toDouble()) <= 1);
            if (rent)
                QCOMPARE(h[5].toString(), QStringLiteral("元/月"));
        }
        for (const QVariantList& c : Rows(QStringLiteral(
                 "select DealType, Room1, Room2, Area1, Area2, Fund1, Fund2 from client"))) {
            QVERIFY(c[1].toInt() <= c[2].toInt());
            QVERIFY(c[3].toDouble() < c[4].toDouble());
            QVERIFY(c[5].toDouble() > 0 && c[5].toDouble() < c[6].toDouble());
            // Buyers count in yuan, not in units of 10,000.
            if (c[0].toString() == QStringLiteral("求购"))
                QVERIFY(c[5].toDouble() >= 100000);
        }
    }

    void remindersAreDueNow() {
        FreshDatabase(TTestContent::Demo);
        for (const char* table : {"housevisits", "clientvisits", "deals"}) {
            const int due = Count(QStringLiteral("select count(*) from %1 where now between "
                                                 "hintdate-hintdays and hintdate")
                                      .arg(QLatin1String(table)));
            const int set =
                Count(QStringLiteral("select count(*) from %1 where HintDate is not null")
                          .arg(QLatin1String(table)));
            QVERIFY2(due > 0, table);
            QVERIFY2(due < set, table); // not every reminder is due
        }
        QVERIFY(Count(QStringLiteral("SELECT count(*) from deals, house where "
                                     "deals.HouseId=house.Id and now between hintdate-hintdays "
                                     "and hintdate")) > 0);
    }

    // Follow-ups, deals and changes lie between the parent's registration day and now.
    void demoHistoryFollowsRegistration_data() {
        QTest::addColumn<QString>("sql");
        QTest::newRow("house visits")
            << "select h.BillTime, v.VizDate from housevisits v, house h where v.HouseId=h.Id";
        QTest::newRow("client visits")
            << "select c.BillTime, v.VizDate from clientvisits v, client c where v.ClientId=c.Id";
        QTest::newRow("deals")
            << "select h.BillTime, d.SignDate from deals d, house h where d.HouseId=h.Id";
        QTest::newRow("house changes")
            << "select h.BillTime, c.ChangeTime from housechanges c, house h where c.HouseId=h.Id";
        QTest::newRow("client changes") << "select c.BillTime, x.ChangeTime from clientchanges x, "
                                           "client c where x.ClientId=c.Id";
    }
    void demoHistoryFollowsRegistration() {
        QFETCH(QString, sql);
        FreshDatabase(TTestContent::Demo);
        const QDateTime now = DbConnection().ServerNow();
        const TRows rows = Rows(sql);
        QVERIFY(!rows.isEmpty());
        for (const QVariantList& r : rows) {
            const QDateTime registered = ToDateTime(r[0]);
            const QDateTime happened = ToDateTime(r[1]);
            QVERIFY(registered.isValid() && happened.isValid());
            QVERIFY2(
                happened.date() >= registered.date() && happened <= now,
                qPrintable(registered.toString() + QStringLiteral(" / ") + happened.toString()));
        }
    }

    void demoIsTheSameEveryTime() {
        const QString columns = QStringLiteral("select Code, HouseName, Floor, BuildArea, Fund, "
                                               "RentFund, Linkman, LinkTel from house order by Id");
        FreshDatabase(TTestContent::Demo);
        const TRows first = Rows(columns);
        const TRows firstVisits =
            Rows(QStringLiteral("select HouseId, Details from housevisits order by Id"));
        FreshDatabase(TTestContent::Demo);
        QCOMPARE(Rows(columns), first);
        QCOMPARE(Rows(QStringLiteral("select HouseId, Details from housevisits order by Id")),
                 firstVisits);
    }
};

ORBEL_DB_TEST_MAIN(TstDelivered)
#include "tst_delivered.moc"
