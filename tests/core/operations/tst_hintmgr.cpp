#include "TestDatabase.h"

#include "data/Database.h"
#include "operations/ClientVisitHintSet.h"
#include "operations/HintMgr.h"
#include "operations/HouseDealHintSet.h"
#include "operations/HouseVisitHintSet.h"

#include <QTest>

namespace {

const QVariant kNull = QVariant(QMetaType::fromType<QDateTime>());

// One follow-up of house 1, one deal of house 1 and one follow-up of client 1,
// all with the same reminder.
void InsertReminders(const QVariant& hintDate, const QVariant& hintDays) {
    TDatabase& db = DbConnection();
    const TDBParameters params = {Param("HintDate", hintDate), Param("HintDays", hintDays)};
    db.Execute(QStringLiteral("insert into housevisits(Id,HouseId,VizType,Handman,Billman,HintDate,"
                              "HintDays) values(1,1,'电话','li','wang',:HintDate,:HintDays)"),
               params);
    db.Execute(QStringLiteral("insert into deals(Id,HouseId,DealType,ClientName,Handman,HintDate,"
                              "HintDays) values(1,1,'出售','张三','li',:HintDate,:HintDays)"),
               params);
    db.Execute(QStringLiteral("insert into clientvisits(Id,ClientId,Handman,HintDate,HintDays) "
                              "values(1,1,'li',:HintDate,:HintDays)"),
               params);
}

} // namespace

class TstHintMgr : public QObject {
    Q_OBJECT
  private slots:
    void init() {
        FreshDatabase(TTestContent::Tables);
        DbConnection().Execute(QStringLiteral("insert into house(Id,Code) values(1,'FY00001')"));
        DbConnection().Execute(QStringLiteral("insert into client(Id,Code) values(1,'KH001')"));
    }

    // The reminder is due while the server's clock is inside
    // [HintDate - HintDays, HintDate]. Offsets are from the server's clock.
    void dueWindow_data() {
        QTest::addColumn<int>("hintSecs"); // HintDate - now, in seconds
        QTest::addColumn<QVariant>("hintDays");
        QTest::addColumn<bool>("due");
        const int day = 86400;
        QTest::newRow("3 days ahead, 5 early") << 3 * day << QVariant(5) << true;
        QTest::newRow("3 days ahead, 2 early") << 3 * day << QVariant(2) << false;
        QTest::newRow("window starts in 2 min") << day + 120 << QVariant(1) << false;
        QTest::newRow("window started 2 min ago") << day - 120 << QVariant(1) << true;
        QTest::newRow("ends in 2 min") << 120 << QVariant(1) << true;
        QTest::newRow("ended 2 min ago") << -120 << QVariant(1) << false;
        QTest::newRow("0 days, in 2 min") << 120 << QVariant(0) << false;
        QTest::newRow("0 days, 2 min ago") << -120 << QVariant(0) << false;
        QTest::newRow("no days") << 120 << QVariant(QMetaType::fromType<int>()) << false;
    }
    void dueWindow() {
        QFETCH(int, hintSecs);
        QFETCH(QVariant, hintDays);
        QFETCH(bool, due);
        const QDateTime now = DbConnection().ServerNow();
        InsertReminders(now.addSecs(hintSecs), hintDays);
        THintMgr mgr;
        QCOMPARE(mgr.RefreshHints(), due);
        QCOMPARE(mgr.VisitHintSet()->DataSet()->RecordCount(), due ? 1 : 0);
        QCOMPARE(mgr.DealHintSet()->DataSet()->RecordCount(), due ? 1 : 0);
        QCOMPARE(mgr.ClientVisitHintSet()->DataSet()->RecordCount(), due ? 1 : 0);
    }

    void reminderOnTodaysMidnightIsOver() {
        const QDateTime now = DbConnection().ServerNow();
        if (now.time() < QTime(0, 1))
            QSKIP("too close to midnight");
        InsertReminders(QDateTime(now.date(), QTime(0, 0)), 0);
        THintMgr mgr;
        QVERIFY(!mgr.RefreshHints());
    }

    void withoutReminderDateNothingIsDue() {
        InsertReminders(kNull, 5);
        THintMgr mgr;
        QVERIFY(!mgr.RefreshHints());
    }

    void dueRowsCarryTheirCodeAndColumns() {
        const QDateTime hint = DbConnection().ServerNow().addDays(2);
        InsertReminders(hint, 3);
        THintMgr mgr;
        QVERIFY(mgr.RefreshHints());
        TDataSet* visits = mgr.VisitHintSet()->DataSet();
        QCOMPARE(visits->FieldByName("HouseCode")->AsString(), QStringLiteral("FY00001"));
        QCOMPARE(visits->FieldByName("HouseCode")->DisplayLabel(), QStringLiteral("房源编号"));
        QCOMPARE(visits->FieldByName("VizType")->AsString(), QStringLiteral("电话"));
        QCOMPARE(visits->FieldByName("Billman")->AsString(), QStringLiteral("wang"));
        QCOMPARE(visits->FieldByName("HintDays")->AsInteger(), 3);
        QCOMPARE(visits->FieldByName("HintDate")->AsDateTime(), hint);
        QVERIFY(!visits->FieldByName("Details")->Visible());
        TDataSet* clients = mgr.ClientVisitHintSet()->DataSet();
        QCOMPARE(clients->FieldByName("ClientCode")->AsString(), QStringLiteral("KH001"));
        QCOMPARE(clients->FieldByName("ClientCode")->DisplayLabel(), QStringLiteral("客户编号"));
        QCOMPARE(clients->FieldByName("ClientId")->AsInteger(), 1);
        TDataSet* deals = mgr.DealHintSet()->DataSet();
        QCOMPARE(deals->FieldByName("HouseCode")->AsString(), QStringLiteral("FY00001"));
        QCOMPARE(deals->FieldByName("ClientName")->AsString(), QStringLiteral("张三"));
        QCOMPARE(deals->FieldByName("HintDate")->DisplayLabel(), QStringLiteral("提醒"));
    }

    void oneDueDealAlone() {
        const QDateTime now = DbConnection().ServerNow();
        DbConnection().Execute(
            QStringLiteral("insert into deals(Id,HouseId,HintDate,HintDays) values(7,1,:D,1)"),
            {Param("D", now.addSecs(3600))});
        DbConnection().Execute(
            QStringLiteral(
                "insert into housevisits(Id,HouseId,HintDate,HintDays) values(7,1,:D,1)"),
            {Param("D", now.addDays(-1))});
        THintMgr mgr;
        QVERIFY(mgr.RefreshHints());
        QCOMPARE(mgr.VisitHintSet()->DataSet()->RecordCount(), 0);
        QCOMPARE(mgr.DealHintSet()->DataSet()->RecordCount(), 1);
        QCOMPARE(mgr.ClientVisitHintSet()->DataSet()->RecordCount(), 0);
        // A reminder of a row whose house is gone is not listed.
        DbConnection().Execute(QStringLiteral("delete from house"));
        QVERIFY(!mgr.RefreshHints());
    }
};

ORBEL_DB_TEST_MAIN(TstHintMgr)
#include "tst_hintmgr.moc"
