#include "ScriptedMessenger.h"
#include "TestDatabase.h"

#include "app/Error.h"
#include "data/Database.h"
#include "data/Dialect.h"
#include "data/RecordSet.h"
#include "data/SqlText.h"

#include <QCoreApplication>
#include <QTest>

class TstDatabase : public QObject {
    Q_OBJECT
  private slots:
    void init() { FreshDatabase(TTestContent::Tables); }

    void renderingForBothEngines_data() {
        QTest::addColumn<bool>("server");
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("expected");
        QTest::newRow("top sqlite") << false << "select top 50 * from house order by Id desc"
                                    << "select * from house order by Id desc LIMIT 50";
        QTest::newRow("top in subquery")
            << true << "select * from t where Id in (select top 1 Id from t order by Id) and A=1"
            << "select * from t where Id in (select Id from t order by Id LIMIT 1) and A=1";
        QTest::newRow("brackets pg") << true << "select [Value] from [keyvalue] where [Key]=1"
                                     << "select \"value\" from \"keyvalue\" where \"key\"=1";
        QTest::newRow("bracket in string stays") << true << "select '[Key]' from t"
                                                 << "select '[Key]' from t";
        QTest::newRow("hash date sqlite") << false << "select * from t where D>=#2012-07-09#"
                                          << "select * from t where D>='2012-07-09 00:00:00'";
        QTest::newRow("hash date pg") << true << "select * from t where D>=#2012-07-09#"
                                      << "select * from t where D>='2012-07-09'";
        QTest::newRow("now sqlite")
            << false << "select 1 where now between hintdate-hintdays and hintdate"
            << "select 1 where datetime('now','localtime') between "
               "datetime(hintdate, (-(hintdays)) || ' days') and hintdate";
        QTest::newRow("getdate pg")
            << true << "select 1 where getdate() between HintDate-HintDays and HintDate"
            << "select 1 where LOCALTIMESTAMP(0) between "
               "(HintDate - (HintDays) * interval '1 day') and HintDate";
        QTest::newRow("like pg") << true << "select * from t where Code like :p"
                                 << "select * from t where Code ILIKE :p";
        QTest::newRow("now inside string stays") << false << "select 'now' from t"
                                                 << "select 'now' from t";
    }
    void renderingForBothEngines() {
        QFETCH(bool, server);
        QFETCH(QString, sql);
        QFETCH(QString, expected);
        QCOMPARE(TDialect::ForServer(server)->Render(sql), expected);
    }

    void namedToPositional() {
        const TPositionalSql p = ToPositional(
            QStringLiteral("select ':x', a::text from t where A=:A and B=:Bee and C=:A -- :gone"));
        QCOMPARE(p.names, QStringList({"A", "Bee", "A"}));
        QCOMPARE(p.sql,
                 QStringLiteral("select ':x', a::text from t where A=? and B=? and C=? -- :gone"));
    }

    void connStrValueAndDialectQuestions() {
        TDatabase db;
        TScriptedMessenger m;
        db.Connect(QStringLiteral(
            "Provider=SQLite;Data Source=/nonexistent/x.db;Persist Security Info=True"));
        QCOMPARE(db.Provider(), QStringLiteral("SQLite"));
        QCOMPARE(db.DataSource(), QStringLiteral("/nonexistent/x.db"));
        QVERIFY(!db.IsSqlServer());
        QCOMPARE(db.DateLiteral(QDateTime(QDate(2012, 7, 9), QTime(15, 30))),
                 QStringLiteral("'2012-07-09 00:00:00'"));
        db.Connect(QStringLiteral("Provider=PostgreSQL;Data Source=h,1;Initial Catalog=x"));
        QVERIFY(db.IsSqlServer());
        QCOMPARE(db.DataSource(), QStringLiteral("h,1"));
        QCOMPARE(db.ConnStrValue(QStringLiteral("Initial Catalog")), QString()); // last, no ';'
        QCOMPARE(db.DateLiteral(QDateTime(QDate(2012, 7, 9), QTime(15, 30))),
                 QStringLiteral("'2012-07-09'"));
    }

    void badConnectionsShowMessageAndFail_data() {
        QTest::addColumn<QString>("conn");
        QTest::newRow("empty") << QString();
        QTest::newRow("missing file") << "Provider=SQLite;Data Source=/nonexistent/dir/none.db;";
        QTest::newRow("not a database")
            << "Provider=SQLite;Data Source=" + QCoreApplication::applicationFilePath() + ";";
        QTest::newRow("unknown provider") << "Provider=Other;Data Source=x;";
        QTest::newRow("bad port") << "Provider=PostgreSQL;Data Source=localhost,abc;Initial "
                                     "Catalog=x;User ID=u;Password=p;";
        QTest::newRow("unreachable server")
            << "Provider=PostgreSQL;Data Source=127.0.0.1,1;Initial Catalog=x;User "
               "ID=u;Password=p;";
    }
    void badConnectionsShowMessageAndFail() {
        QFETCH(QString, conn);
        TDatabase db;
        TScriptedMessenger m;
        QVERIFY(!db.Connect(conn));
        QVERIFY(!db.Connected());
        QCOMPARE(m.shown.size(), 1);
        QVERIFY2(m.shown[0].startsWith(QStringLiteral("\r\n连接时失败,提示如下:\r\n")),
                 qPrintable(m.shown[0]));
        QVERIFY(m.shown[0].size() > 20);
    }

    void wrongPasswordOnServer() {
        if (!CurrentEngine().server)
            QSKIP("server engine only");
        QString conn = DbConnection().ConnectionString();
        conn.replace(QStringLiteral("User ID="), QStringLiteral("User ID=nosuchuser"));
        TDatabase db;
        TScriptedMessenger m;
        QVERIFY(!db.Connect(conn));
        QCOMPARE(m.shown.size(), 1);
    }

    void executeCountsAndErrors() {
        TDatabase& db = DbConnection();
        db.Execute(
            QStringLiteral("insert into tax(Id, TaxName, LiveRate) values (:Id, :TaxName, :Rate)"),
            {Param("Id", 1), Param("TaxName", QStringLiteral("契税")), Param("Rate", 1.5)});
        db.Execute(QStringLiteral("insert into tax(Id, TaxName) values (:Id, :TaxName)"),
                   {Param("Id", 2), Param("TaxName", QStringLiteral("印花税"))});
        QCOMPARE(db.ExecSQL(QStringLiteral("update tax set LiveRate=:R"), {Param("R", 2.0)}), 2);
        QCOMPARE(
            db.ExecSQL(QStringLiteral("update tax set LiveRate=1 where Id=:Id"), {Param("Id", 99)}),
            0);

        const QString bad = QStringLiteral("update nosuchtable set x=1");
        try {
            db.Execute(bad);
            QFAIL("no error");
        } catch (const EOrbelError& e) {
            QVERIFY2(e.Message().endsWith(QStringLiteral("\r\n") + bad), qPrintable(e.Message()));
            QVERIFY(e.Message().size() > bad.size() + 2);
        }
        try {
            db.Execute(QStringLiteral("update tax set TaxName='x'"), {Param("Nope", 1)});
            QFAIL("no error");
        } catch (const EOrbelError& e) {
            QVERIFY(e.Message().contains(QStringLiteral("Nope")));
            QVERIFY(!e.Message().contains(QStringLiteral("update tax")));
        }
    }

    void quotesAndPercentAreData() {
        TDatabase& db = DbConnection();
        const QString nasty = QStringLiteral("O'Brien %_\\ 张三");
        db.Execute(QStringLiteral("insert into tax(Id, TaxName) values (:Id, :N)"),
                   {Param("Id", 1), Param("N", nasty)});
        TRecordSet rs;
        QCOMPARE(rs.Open(QStringLiteral("select TaxName from tax where TaxName=:N"),
                         {Param("N", nasty)}),
                 1);
        QCOMPARE(rs.DataSet()->Field(0)->AsString(), nasty);
    }

    void transactionsRollBack() {
        TDatabase& db = DbConnection();
        db.BeginTrans();
        db.Execute(QStringLiteral("insert into tax(Id) values (1)"));
        db.RollbackTrans();
        {
            TTransaction t(db);
            db.Execute(QStringLiteral("insert into tax(Id) values (2)"));
        } // not committed
        {
            TTransaction t(db);
            db.Execute(QStringLiteral("insert into tax(Id) values (3)"));
            t.Commit();
        }
        TRecordSet rs;
        rs.Open(QStringLiteral("select Id from tax"));
        QCOMPARE(rs.JoinValues(rs.DataSet()->Field(0), QStringLiteral(",")), QStringLiteral("3"));
        // A failing statement inside the guard leaves nothing behind.
        try {
            TTransaction t(db);
            db.Execute(QStringLiteral("insert into tax(Id) values (4)"));
            db.Execute(QStringLiteral("insert into tax(Id) values (3)")); // duplicate Id
            t.Commit();
            QFAIL("duplicate Id accepted");
        } catch (const EOrbelError&) {
        }
        QCOMPARE(rs.Open(QStringLiteral("select Id from tax")), 1);
    }

    void blobRoundTripAndNullReads() {
        TDatabase& db = DbConnection();
        QByteArray bytes;
        for (int i = 0; i < 70000; ++i)
            bytes.append(char(i % 256));
        db.Execute(
            QStringLiteral("insert into houseimages(Id, HouseId, Ext) values (1, 1, '.jpg')"));
        db.ExecSQL(QStringLiteral("update houseimages set Photo=:Photo where Id=1"), {},
                   {TxDBParameter{QStringLiteral("Photo"), bytes}});
        db.Execute(QStringLiteral("insert into houseimages(Id) values (2)"));
        TRecordSet rs;
        rs.Open(QStringLiteral("select * from houseimages order by Id"));
        TDataSet* ds = rs.DataSet();
        QCOMPARE(ds->FieldByName("Photo")->AsBytes(), bytes);
        ds->Next();
        QVERIFY(ds->FieldByName("Photo")->IsNull());
        QCOMPARE(ds->FieldByName("Ext")->AsString(), QString());
        QCOMPARE(ds->FieldByName("HouseId")->AsInteger(), 0);
        QCOMPARE(ds->FieldByName("TypeId")->AsFloat(), 0.0);
    }

    void booleansAndDatesAcrossEngines() {
        TDatabase& db = DbConnection();
        db.Execute(QStringLiteral("insert into house(Id, IsRecycle, BillTime) values (1, :R, :T)"),
                   {Param("R", true), Param("T", QDateTime(QDate(2024, 3, 5), QTime(8, 9, 10)))});
        db.Execute(QStringLiteral("insert into house(Id, IsRecycle) values (2, -1)"));
        db.Execute(QStringLiteral("insert into house(Id, IsRecycle) values (3, :R)"),
                   {Param("R", false)});
        TRecordSet rs;
        QCOMPARE(rs.Open(QStringLiteral("select Id from house where abs(IsRecycle)=1")), 2);
        QCOMPARE(rs.Open(QStringLiteral(
                     "select Id, BillTime, AddTime from house where BillTime>=#2024-03-05#")),
                 1);
        QCOMPARE(rs.DataSet()->FieldByName("BillTime")->AsDateTime(),
                 QDateTime(QDate(2024, 3, 5), QTime(8, 9, 10)));
        // AddTime comes from the column default.
        const QDateTime added = rs.DataSet()->FieldByName("AddTime")->AsDateTime();
        QVERIFY(added.isValid());
        QVERIFY(qAbs(added.secsTo(db.ServerNow())) < 120);
        QCOMPARE(rs.Open(QStringLiteral("select Id from house where BillTime>=#2024-03-06#")), 0);
    }

    void reminderWindowArithmetic() {
        TDatabase& db = DbConnection();
        const QDateTime now = db.ServerNow();
        const QDate today = now.date();
        auto add = [&](int id, QDate hint, int days) {
            db.Execute(
                QStringLiteral("insert into housevisits(Id, HouseId, HintDate, HintDays) values "
                               "(:Id, 1, :H, :D)"),
                {Param("Id", id), Param("H", hint.endOfDay().addMSecs(-999)), Param("D", days)});
        };
        add(1, today.addDays(2), 3);  // due: window opened yesterday
        add(2, today.addDays(5), 3);  // not yet
        add(3, today.addDays(-1), 3); // passed
        add(4, today, 1);             // due today, until the day's end
        add(5, today.addDays(-1), 0); // a zero notice was due only at that moment
        TRecordSet rs;
        rs.Open(QStringLiteral("select Id from housevisits where now between hintdate-hintdays and "
                               "hintdate order by Id"));
        QCOMPARE(rs.JoinValues(rs.DataSet()->Field(0), QStringLiteral(",")), QStringLiteral("1,4"));
        rs.Open(QStringLiteral("select Id from housevisits where getdate() between "
                               "HintDate-HintDays and HintDate order by Id"));
        QCOMPARE(rs.JoinValues(rs.DataSet()->Field(0), QStringLiteral(",")), QStringLiteral("1,4"));
    }

    void topAndBracketsRunOnEngine() {
        TDatabase& db = DbConnection();
        for (int i = 1; i <= 5; ++i)
            db.Execute(
                QStringLiteral("insert into options([Key], Label, List) values (:K, 'l', :V)"),
                {Param("K", i), Param("V", QString::number(i * 10))});
        TRecordSet rs;
        QCOMPARE(
            rs.Open(QStringLiteral("select top 2 [Key], List from options order by [Key] desc")),
            2);
        QCOMPARE(rs.DataSet()->FieldByName("key")->AsInteger(), 5);
        db.Execute(QStringLiteral("insert into keyvalue(KeyId, [Value]) values (1, 'x')"));
        QCOMPARE(rs.Open(QStringLiteral("select [Value] from [keyvalue] where [KeyId]=:KeyId1"),
                         {Param("KeyId1", 1)}),
                 1);
        QCOMPARE(rs.DataSet()->Field(0)->AsString(), QStringLiteral("x"));
    }
};

ORBEL_DB_TEST_MAIN(TstDatabase)
#include "tst_database.moc"
