#include "ScriptedMessenger.h"
#include "TestDatabase.h"

#include "app/Error.h"
#include "data/Database.h"
#include "data/RecordSet.h"
#include "operators/Operator.h"
#include "records/ClientChangeSet.h"
#include "records/ClientVisitSet.h"
#include "records/HouseChangeSet.h"
#include "records/HouseDealSet.h"
#include "records/HouseVisitSet.h"

#include <QTest>

#include <functional>
#include <memory>

namespace {

QVariant DbValue(const QString& sql, const TDBParameters& params = {}) {
    TRecordSet rs;
    rs.Open(sql, params);
    return rs.DataSet()->IsEmpty() ? QVariant(QStringLiteral("<no row>"))
                                   : rs.DataSet()->Field(0)->Value();
}

int RowCount(const QString& sql) {
    TRecordSet rs;
    return rs.Open(sql);
}

QList<int> Ids(THistorySet& set) {
    QList<int> ids;
    for (set.DataSet()->First(); !set.DataSet()->Eof(); set.DataSet()->Next())
        ids << set.IdFld()->AsInteger();
    return ids;
}

// One of the five history lists, opened for a parent through its own operation.
struct TKind {
    std::function<THistorySet*()> make;
    std::function<void(THistorySet*, int)> open;
};

TKind Kind(const QString& table) {
    if (table == "housevisits")
        return {[] { return new THouseVisitSet; },
                [](THistorySet* s, int id) { static_cast<THouseVisitSet*>(s)->OpenByHouse(id); }};
    if (table == "clientvisits")
        return {[] { return new TClientVisitSet; },
                [](THistorySet* s, int id) { static_cast<TClientVisitSet*>(s)->OpenByClient(id); }};
    if (table == "deals")
        return {[] { return new THouseDealSet; },
                [](THistorySet* s, int id) { static_cast<THouseDealSet*>(s)->OpenByHouse(id); }};
    if (table == "housechanges")
        return {[] { return new THouseChangeSet; },
                [](THistorySet* s, int id) { static_cast<THouseChangeSet*>(s)->OpenByHouse(id); }};
    return {[] { return new TClientChangeSet; },
            [](THistorySet* s, int id) { static_cast<TClientChangeSet*>(s)->OpenByClient(id); }};
}

void AddHistoryTables() {
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QString>("openSql");
    QTest::addColumn<bool>("newestFirst");
    QTest::newRow("housevisits")
        << "housevisits"
        << "HouseId"
        << "select * from housevisits where HouseId=:HouseId order by Id desc" << true;
    QTest::newRow("clientvisits") << "clientvisits"
                                  << "ClientId"
                                  << "select * from clientvisits where ClientId=:ClientId" << false;
    QTest::newRow("deals") << "deals"
                           << "HouseId"
                           << "select * from deals where HouseId=:HouseId" << false;
    QTest::newRow("housechanges")
        << "housechanges"
        << "HouseId"
        << "select * from housechanges where HouseId=:HouseId order by Id desc" << true;
    QTest::newRow("clientchanges")
        << "clientchanges"
        << "ClientId"
        << "select * from clientchanges where ClientId=:ClientId order by Id desc" << true;
}

} // namespace

class TstHistories : public QObject {
    Q_OBJECT
  private slots:
    void init() { FreshDatabase(TTestContent::Tables); }

    void openListsOneParentInItsOrder_data() { AddHistoryTables(); }
    void openListsOneParentInItsOrder() {
        QFETCH(QString, table);
        QFETCH(QString, parent);
        QFETCH(QString, openSql);
        QFETCH(bool, newestFirst);
        for (int id = 1; id <= 4; ++id)
            DbConnection().Execute(
                QStringLiteral("insert into %1(Id, %2) values (:Id, :P)").arg(table, parent),
                {Param("Id", id), Param("P", id == 3 ? 8 : 7)});
        const TKind kind = Kind(table);
        std::unique_ptr<THistorySet> set(kind.make());
        QVERIFY(!set->DataSet()->Active()); // created without a query
        kind.open(set.get(), 7);
        QCOMPARE(set->SqlText(), openSql);
        QList<int> ids = Ids(*set);
        if (newestFirst) {
            QCOMPARE(ids, QList<int>({4, 2, 1}));
        } else {
            std::sort(ids.begin(), ids.end());
            QCOMPARE(ids, QList<int>({1, 2, 4}));
        }
        QCOMPARE(set->ParentIdFld()->FieldName(), parent);
        kind.open(set.get(), 99);
        QVERIFY(set->DataSet()->IsEmpty());
    }

    void deleteCurrentRemovesRowInDatabaseAndList_data() { AddHistoryTables(); }
    void deleteCurrentRemovesRowInDatabaseAndList() {
        QFETCH(QString, table);
        QFETCH(QString, parent);
        for (int id = 1; id <= 2; ++id)
            DbConnection().Execute(
                QStringLiteral("insert into %1(Id, %2) values (:Id, 7)").arg(table, parent),
                {Param("Id", id)});
        const TKind kind = Kind(table);
        std::unique_ptr<THistorySet> set(kind.make());
        kind.open(set.get(), 7);
        set->DataSet()->Locate("Id", 2);
        set->DeleteCurrent();
        QCOMPARE(Ids(*set), QList<int>({1}));
        QCOMPARE(RowCount("select * from " + table), 1);
        set->DeleteCurrent();
        QVERIFY(set->DataSet()->IsEmpty());
        QCOMPARE(RowCount("select * from " + table), 0);
        // An empty list stays empty and sends nothing (the table is gone).
        DbConnection().Execute("drop table " + table);
        set->DeleteCurrent();
        QVERIFY(set->DataSet()->IsEmpty());
    }

    void failedDeleteKeepsTheRow() {
        DbConnection().Execute("insert into deals(Id, HouseId) values (1, 7)");
        THouseDealSet deals;
        deals.OpenByHouse(7);
        DbConnection().Execute("drop table deals");
        QVERIFY_THROWS_EXCEPTION(EOrbelError, deals.DeleteCurrent());
        QCOMPARE(deals.DataSet()->RecordCount(), 1);
    }

    void visitSaveInsertsThenUpdates_data() {
        QTest::addColumn<bool>("house");
        QTest::newRow("house") << true;
        QTest::newRow("client") << false;
    }
    void visitSaveInsertsThenUpdates() {
        QFETCH(bool, house);
        std::unique_ptr<TVisitSet> set;
        QString table;
        if (house) {
            auto* s = new THouseVisitSet;
            s->OpenByHouse(7);
            set.reset(s);
            table = "housevisits";
        } else {
            auto* s = new TClientVisitSet;
            s->OpenByClient(7);
            set.reset(s);
            table = "clientvisits";
        }
        const QDateTime viz(QDate(2012, 7, 9), QTime(10, 30));
        set->DataSet()->Append();
        set->ParentIdFld()->SetAsInteger(7);
        set->VizDateFld()->SetAsDateTime(viz);
        set->VizTypeFld()->SetAsString(QStringLiteral("电话"));
        set->HandmanFld()->SetAsString(QStringLiteral("张三"));
        set->DetailFld()->SetAsString(QStringLiteral("客户说 \"O'Brien\" 100%_"));
        set->BillmanFld()->SetAsString(QStringLiteral("sa"));
        QCOMPARE(set->Save(), 1);
        QCOMPARE(set->IdFld()->AsInteger(), 1);
        QVERIFY(!set->DataSet()->Editing());
        // No reminder: both reminder columns stay null.
        QVERIFY(DbValue("select HintDate from " + table).isNull());
        QVERIFY(DbValue("select HintDays from " + table).isNull());

        set->DataSet()->Edit();
        set->DetailFld()->SetAsString(QStringLiteral("改过"));
        set->HintDateFld()->SetAsDateTime(QDateTime(QDate(2012, 8, 1), QTime()));
        set->HintDaysFld()->SetAsInteger(3);
        QCOMPARE(set->Save(), 1);
        QCOMPARE(RowCount("select * from " + table), 1);
        TRecordSet row;
        row.Open("select * from " + table);
        TDataSet* ds = row.DataSet();
        QCOMPARE(ds->FieldByName("Details")->AsString(), QStringLiteral("改过"));
        QCOMPARE(ds->FieldByName("VizDate")->AsDateTime(), viz);
        QCOMPARE(ds->FieldByName("HintDays")->AsInteger(), 3);
        QCOMPARE(ds->FieldByName("HintDate")->AsDateTime().date(), QDate(2012, 8, 1));
        QCOMPARE(ds->FieldByName("Handman")->AsString(), QStringLiteral("张三"));

        set->DataSet()->Append();
        set->ParentIdFld()->SetAsInteger(7);
        QCOMPARE(set->Save(), 2);
    }

    void dealSaveWritesEveryColumn() {
        THouseDealSet deals;
        deals.OpenByHouse(5);
        deals.DataSet()->Append();
        deals.HouseIdFld()->SetAsInteger(5);
        deals.DealTypeFld()->SetAsString(QStringLiteral("出售"));
        deals.ClientNameFld()->SetAsString(QStringLiteral("李四"));
        deals.ClientTelFld()->SetAsString("13800000000");
        deals.ClientNoteFld()->SetAsString(QStringLiteral("备注'"));
        deals.SignDateFld()->SetAsDateTime(QDateTime(QDate(2012, 7, 1), QTime(9, 0)));
        deals.ContentFld()->SetAsString(QStringLiteral("内容"));
        deals.HintDateFld()->SetAsDateTime(QDateTime(QDate(2012, 7, 20), QTime()));
        deals.HintDaysFld()->SetAsInteger(2);
        deals.HandmanFld()->SetAsString("ww");
        deals.BillmanFld()->SetAsString("sa");
        QCOMPARE(deals.Save(), 1);
        THouseDealSet again;
        again.OpenByHouse(5);
        QCOMPARE(again.DataSet()->RecordCount(), 1);
        for (TField* f : deals.DataSet()->Fields())
            QCOMPARE(again.DataSet()->FieldByName(f->FieldName())->AsString(), f->AsString());
    }

    void failedSaveLeavesTheRowInEdit() {
        DbConnection().Execute("insert into deals(Id, HouseId) values (4, 7)");
        THouseDealSet deals;
        deals.OpenByHouse(7);
        deals.DataSet()->Edit();
        deals.ContentFld()->SetAsString("x");
        DbConnection().Execute("drop table deals");
        try {
            deals.Save();
            QFAIL("no error");
        } catch (const EOrbelError& e) {
            QVERIFY2(e.Message().endsWith("where Id=:Id"), qPrintable(e.Message()));
        }
        QVERIFY(deals.DataSet()->Editing());
        QCOMPARE(deals.ContentFld()->AsString(), QStringLiteral("x"));
        deals.DataSet()->Cancel();
        QCOMPARE(deals.ContentFld()->AsString(), QString());
    }

    void changeLogsOfBothSides_data() {
        QTest::addColumn<bool>("house");
        QTest::newRow("house") << true;
        QTest::newRow("client") << false;
    }
    void changeLogsOfBothSides() {
        QFETCH(bool, house);
        const QString table = house ? "housechanges" : "clientchanges";
        std::unique_ptr<TChangeSet> log;
        if (house)
            log.reset(new THouseChangeSet);
        else
            log.reset(new TClientChangeSet);

        // Notes on an empty list do nothing and send nothing.
        if (house)
            static_cast<THouseChangeSet*>(log.get())->OpenByHouse(3);
        else
            static_cast<TClientChangeSet*>(log.get())->OpenByClient(3);
        DbConnection().Execute("alter table " + table + " rename to moved");
        log->SetNotes(QStringLiteral("无"));
        DbConnection().Execute("alter table moved rename to " + table);

        CurrentOperator().LoginId = QStringLiteral("张三");
        log->AddChange(3, QStringLiteral("价格: \"50\" → \"45\""));
        CurrentOperator().LoginId = QStringLiteral("李四");
        log->AddChange(3, QStringLiteral("朝向: \"南\" → \"北\""));
        QCOMPARE(
            RowCount("select * from " + table + " where " + log->ParentIdFld()->FieldName() + "=3"),
            2);
        QCOMPARE(DbValue("select Changer from " + table + " where Id=2").toString(),
                 QStringLiteral("李四"));
        QCOMPARE(DbValue("select ChangeDetails from " + table + " where Id=1").toString(),
                 QStringLiteral("价格: \"50\" → \"45\""));

        // The current row is the last change; its notes go to the database.
        log->SetNotes(QStringLiteral("客户要求 O'Brien 100%"));
        QCOMPARE(DbValue("select Notes from " + table + " where Id=2").toString(),
                 QStringLiteral("客户要求 O'Brien 100%"));
        QVERIFY(DbValue("select Notes from " + table + " where Id=1").isNull());
        QCOMPARE(log->NotesFld()->AsString(), QStringLiteral("客户要求 O'Brien 100%"));

        // Saving the row again never writes the notes.
        log->DataSet()->Edit();
        log->ChangeDetailsFld()->SetAsString(QStringLiteral("改"));
        log->NotesFld()->SetAsString(QStringLiteral("本地"));
        log->Save();
        QCOMPARE(DbValue("select ChangeDetails from " + table + " where Id=2").toString(),
                 QStringLiteral("改"));
        QCOMPARE(DbValue("select Notes from " + table + " where Id=2").toString(),
                 QStringLiteral("客户要求 O'Brien 100%"));

        log->Refresh();
        QCOMPARE(Ids(*log), QList<int>({2, 1}));
    }

    void addChangeUsesTheServerClock() {
        if (CurrentEngine().server) {
            // Move the server session's clock far from the workstation's.
            const int localOffset = QDateTime::currentDateTime().offsetFromUtc() / 3600;
            DbConnection().Execute(localOffset < 0 ? "set time zone 'Etc/GMT-12'"
                                                   : "set time zone 'Etc/GMT+12'");
        }
        const QDateTime server = DbConnection().ServerNow();
        THouseChangeSet log;
        log.AddChange(9, QStringLiteral("变更")); // opens the list for house 9
        QCOMPARE(
            log.SqlText(),
            QStringLiteral("select * from housechanges where HouseId=:HouseId order by Id desc"));
        const QDateTime stamped = log.ChangeTimeFld()->AsDateTime();
        QVERIFY2(qAbs(stamped.secsTo(server)) <= 5,
                 qPrintable(stamped.toString() + " / " + server.toString()));
        TRecordSet row;
        row.Open("select ChangeTime from housechanges");
        QVERIFY(qAbs(row.DataSet()->Field(0)->AsDateTime().secsTo(server)) <= 5);
        if (CurrentEngine().server)
            QVERIFY(qAbs(stamped.secsTo(QDateTime::currentDateTime())) > 3600);
    }

    void failedAddChangeLeavesTheNewRowForTheCaller() {
        THouseChangeSet log;
        log.OpenByHouse(1);
        DbConnection().Execute("drop table housechanges");
        TScriptedMessenger m;
        QVERIFY_THROWS_EXCEPTION(EOrbelError, log.AddChange(1, "x"));
        QVERIFY(log.DataSet()->Editing());
        QCOMPARE(log.ChangeDetailsFld()->AsString(), QStringLiteral("x"));
        log.DataSet()->Cancel();
        QVERIFY(log.DataSet()->IsEmpty());
    }
};

ORBEL_DB_TEST_MAIN(TstHistories)
#include "tst_histories.moc"
