#include "RecordFixtures.h"
#include "ScriptedMessenger.h"
#include "TestDatabase.h"

#include "app/Error.h"
#include "records/ClientSet.h"
#include "records/HouseSet.h"
#include "records/RecordContext.h"

#include <QTest>

namespace {

QDateTime At(const char* text) {
    return QDateTime::fromString(QLatin1String(text), QStringLiteral("yyyy-MM-dd hh:mm"));
}

// Five clients: three live (1, 2, 3), two recycled (4 stored as -1, 5 as 1).
void AddSearchClients() {
    InsertRow("client", {{"Id", 1},
                         {"IsRecycle", 0},
                         {"Code", "C1"},
                         {"DealType", "求购"},
                         {"Room1", 2},
                         {"Room2", 4},
                         {"Area1", 80.0},
                         {"Area2", 120.0},
                         {"Fund1", 1000000.0},
                         {"Fund2", 2000000.0},
                         {"BillTime", At("2012-07-01 10:00")},
                         {"Linkman", "王先生"},
                         {"LinkTel", "13800001111"},
                         {"HouseName", "阳光花园"},
                         {"Purpose", "住宅"},
                         {"Address", "人民路1号"},
                         {"State", "正常"},
                         {"ComeFrom", "上门"},
                         {"Billman", "张三"},
                         {"Broker", "李四"},
                         {"Note", "要南北通透"},
                         {"District", "东区"}});
    InsertRow("client", {{"Id", 2},
                         {"IsRecycle", 0},
                         {"Code", "C2"},
                         {"DealType", "求租"},
                         {"Room1", 1},
                         {"Room2", 2},
                         {"Area1", 40.0},
                         {"Area2", 60.0},
                         {"Fund1", 1500.0},
                         {"Fund2", 3000.0},
                         {"BillTime", At("2012-07-05 00:00")},
                         {"Linkman", "O'Neil 100%_李\\"},
                         {"LinkTel", "13900002222"},
                         {"HouseName", "金大厦"},
                         {"Purpose", "商业"},
                         {"Address", "解放路2号"},
                         {"State", "已成交"},
                         {"ComeFrom", "网络"},
                         {"Billman", "李四"},
                         {"Broker", "张三"},
                         {"Note", "临街"},
                         {"District", "西区"}});
    InsertRow("client", {{"Id", 3},
                         {"IsRecycle", 0},
                         {"Code", "C3"},
                         {"DealType", "求购"},
                         {"Room1", 0},
                         {"Room2", 1},
                         {"Area1", 30.0},
                         {"Area2", 50.0},
                         {"Fund1", 300000.0},
                         {"Fund2", 500000.0},
                         {"BillTime", At("2012-08-01 09:00")},
                         {"Linkman", "赵李氏1000"},
                         {"State", "正常"},
                         {"District", "东区"}});
    InsertRow("client", {{"Id", 4},
                         {"IsRecycle", -1},
                         {"Code", "C4"},
                         {"DealType", "求购"},
                         {"Room1", 2},
                         {"Room2", 4},
                         {"Area1", 80.0},
                         {"Area2", 120.0},
                         {"Fund1", 1000000.0},
                         {"Fund2", 2000000.0},
                         {"District", "东区"}});
    InsertRow("client", {{"Id", 5},
                         {"IsRecycle", 1},
                         {"Code", "C5"},
                         {"DealType", "求租"},
                         {"Room1", 1},
                         {"Room2", 2},
                         {"Area1", 40.0},
                         {"Area2", 60.0},
                         {"Fund1", 1500.0},
                         {"Fund2", 3000.0}});
}

void SetCriterion(TClientCriteria& c, const QString& name, const QString& value) {
    static const QHash<QString, QString TClientCriteria::*> texts = {
        {"DealType", &TClientCriteria::DealType}, {"Linkman", &TClientCriteria::Linkman},
        {"LinkTel", &TClientCriteria::LinkTel},   {"HouseName", &TClientCriteria::HouseName},
        {"Purpose", &TClientCriteria::Purpose},   {"Address", &TClientCriteria::Address},
        {"State", &TClientCriteria::State},       {"Code", &TClientCriteria::Code},
        {"ComeFrom", &TClientCriteria::ComeFrom}, {"Billman", &TClientCriteria::Billman},
        {"Broker", &TClientCriteria::Broker},     {"Keyword", &TClientCriteria::Keyword},
        {"District", &TClientCriteria::District}};
    static const QHash<QString, QDate TClientCriteria::*> dates = {
        {"BillFrom", &TClientCriteria::BillFrom}, {"BillTo", &TClientCriteria::BillTo}};
    if (texts.contains(name))
        c.*texts[name] = value;
    else if (dates.contains(name))
        c.*dates[name] = QDate::fromString(value, Qt::ISODate);
    else if (name == QLatin1String("Rooms"))
        c.Rooms = value.toInt();
    else if (name == QLatin1String("Area"))
        c.Area = value.toDouble();
    else if (name == QLatin1String("Price"))
        c.Price = value.toDouble();
    else
        qFatal("unknown criterion %s", qPrintable(name));
}

QString CaughtMessage(const std::function<void()>& action) {
    try {
        action();
    } catch (const EOrbelError& e) {
        return e.Message();
    }
    return QStringLiteral("(no error)");
}

QStringList SortedCodes(TClientSet& set) {
    QStringList codes = Column(set, set.CodeFld()).split(u',', Qt::SkipEmptyParts);
    codes.sort();
    return codes;
}

} // namespace

class TstClientSet : public QObject {
    Q_OBJECT
private slots:
    void init() {
        FreshDatabase(TTestContent::Tables);
        SetCurrentLoginId(QStringLiteral("张三"));
    }

    void fieldListAndEmptyOpen() {
        TClientSet set;
        set.OpenEmpty();
        TDataSet* ds = set.DataSet();
        QVERIFY(ds->Active());
        QCOMPARE(ds->RecordCount(), 0);
        QCOMPARE(ds->FieldCount(), 37);
        QCOMPARE(set.SqlText(), QStringLiteral("select * from client where 1=2"));
        QStringList hidden, calculated;
        for (TField* f : ds->Fields()) {
            if (!f->Visible())
                hidden << f->FieldName();
            if (f->Calculated())
                calculated << f->FieldName() + u'=' + f->DisplayLabel();
        }
        QCOMPARE(hidden, QStringList({"IsRecycle"}));
        QCOMPARE(calculated,
                 QStringList({"RoomCalc=[户型]", "AreaCalc=[面积]", "PriceCalc=[价格]"}));
        QCOMPARE(set.LinkNoteFld()->Kind(), TFieldKind::Memo);
        QCOMPARE(set.NoteFld()->Kind(), TFieldKind::Memo);
        QCOMPARE(set.Fund1Fld()->DisplayLabel(), QStringLiteral("价格1"));
        QCOMPARE(set.BrokerFld()->Index(), 33);
    }

    void calculatedFields_data() {
        QTest::addColumn<QString>("values");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("expected");
        QTest::newRow("rooms") << "Room1=2;Room2=3"
                               << "RoomCalc"
                               << "2 - 3室";
        QTest::newRow("rooms none") << ""
                                    << "RoomCalc"
                                    << "0 - 0室";
        QTest::newRow("area whole and half") << "Area1=80;Area2=85.5"
                                             << "AreaCalc"
                                             << "80 - 85.5平方";
        QTest::newRow("area none") << ""
                                   << "AreaCalc"
                                   << "0 - 0平方";
        QTest::newRow("price millions") << "Fund1=1000000;Fund2=2000000"
                                        << "PriceCalc"
                                        << "1000000 - 2000000元";
        QTest::newRow("price cents") << "Fund1=1500.25;Fund2=3000"
                                     << "PriceCalc"
                                     << "1500.25 - 3000元";
    }
    void calculatedFields() {
        QFETCH(QString, values);
        QFETCH(QString, field);
        QFETCH(QString, expected);
        TClientSet set;
        set.OpenEmpty();
        set.DataSet()->Append();
        SetFields(set.DataSet(), values);
        QCOMPARE(set.DataSet()->FieldByName(field)->AsString(), expected);
        set.DataSet()->Post();
        QCOMPARE(set.DataSet()->FieldByName(field)->AsString(), expected);
    }

    void saveInsertsThenUpdatesEveryColumn() {
        TClientSet set;
        set.OpenEmpty();
        set.DataSet()->Append();
        FillWritableFields(set.DataSet(), 1);
        set.IsRecycleFld()->Clear();
        set.Save();
        QCOMPARE(set.IdFld()->AsInteger(), 1);

        TClientSet stored;
        stored.OpenById(1);
        QCOMPARE(DifferentFields(set.DataSet(), stored.DataSet()), QStringList({"IsRecycle"}));
        QVERIFY(!stored.IsRecycleFld()->IsNull());
        QVERIFY(qAbs(stored.AddTimeFld()->AsDateTime().secsTo(DbConnection().ServerNow())) < 120);

        // The long texts left NULL are stored as empty text; other texts stay NULL.
        set.DataSet()->Append();
        set.CodeFld()->SetAsString(QStringLiteral("C2"));
        set.Save();
        QCOMPARE(set.IdFld()->AsInteger(), 2);
        QCOMPARE(CountOf("select count(*) from client where Id=2 and [Note]='' and LinkNote=''"),
                 1);
        QVERIFY(ScalarOf("select Address from client where Id=2").isNull());

        set.OpenById(1);
        set.DataSet()->Edit();
        FillWritableFields(set.DataSet(), 2);
        set.Save();
        stored.Refresh();
        QCOMPARE(DifferentFields(set.DataSet(), stored.DataSet()), QStringList());
        QCOMPARE(CountOf("select count(*) from client"), 2);

        DbConnection().Execute(QStringLiteral("alter table client rename to client_gone"));
        set.DataSet()->Edit();
        set.LinkmanFld()->SetAsString(QStringLiteral("改过"));
        QVERIFY(CaughtMessage([&] { set.Save(); }).endsWith(QStringLiteral("where Id=:Id")));
        QCOMPARE(set.LinkmanFld()->AsString(), stored.LinkmanFld()->AsString());
    }

    void recycleFlagOneAndMinusOne() {
        AddSearchClients();
        TClientSet set;
        set.OpenRecycled();
        QCOMPARE(SortedCodes(set), QStringList({"C4", "C5"}));
        set.FindClients({});
        QCOMPARE(Column(set, set.CodeFld()), QStringLiteral("C3,C2,C1"));
        QCOMPARE(set.MatchClients(2, 50, 1500, 1500), 1);
        QCOMPARE(Column(set, set.CodeFld()), QStringLiteral("C2"));

        // Removing the current row is not how a client leaves the list ...
        set.FindClients({});
        set.DeleteCurrent();
        QCOMPARE(set.DataSet()->RecordCount(), 3);
        // ... recycling is.
        QVERIFY(set.DataSet()->Locate(QStringLiteral("Code"), QStringLiteral("C2")));
        set.SetRecycle(true);
        QCOMPARE(Column(set, set.CodeFld()), QStringLiteral("C3,C1"));
        QCOMPARE(ScalarOf("select IsRecycle from client where Id=2").toInt(), 1);
        set.OpenRecycled();
        QVERIFY(set.DataSet()->Locate(QStringLiteral("Code"), QStringLiteral("C4")));
        set.SetRecycle(false);
        QCOMPARE(SortedCodes(set), QStringList({"C2", "C5"}));
        QCOMPARE(ScalarOf("select IsRecycle from client where Id=4").toInt(), 0);
    }

    void brokerAndBookmarks() {
        AddSearchClients();
        TClientSet set;
        set.OpenById(2);
        set.SetBroker(QStringLiteral("王五"));
        QCOMPARE(ScalarOf("select Broker from client where Id=2").toString(),
                 QStringLiteral("王五"));
        QCOMPARE(set.BrokerFld()->AsString(), QStringLiteral("王五"));

        SetCurrentLoginId(QStringLiteral("o'brien_1"));
        QVERIFY(!set.IsAttention());
        set.SetAttention(true);
        QVERIFY(set.IsAttention());
        SetCurrentLoginId(QStringLiteral("o'brienX1"));
        QVERIFY(!set.IsAttention());
        set.OpenByAttention();
        QCOMPARE(set.DataSet()->RecordCount(), 0);
        SetCurrentLoginId(QStringLiteral("o'brien_1"));
        set.OpenByAttention();
        QCOMPARE(Column(set, set.CodeFld()), QStringLiteral("C2"));
        set.SetAttention(false);
        QVERIFY(!set.IsAttention());
    }

    void deleteWithDependantsAndRollback() {
        for (int id : {1, 2}) {
            InsertRow("client", {{"Id", id}, {"IsRecycle", 0}, {"Code", "同号"}});
            InsertRow("clientattention", {{"LoginId", "张三"}, {"ClientId", id}});
            InsertRow("clientchanges", {{"Id", id}, {"ClientId", id}});
            InsertRow("clientvisits", {{"Id", id}, {"ClientId", id}});
        }
        auto rowsOf = [](int id) {
            QList<int> counts;
            for (const char* t : {"clientattention", "clientchanges", "clientvisits"})
                counts << CountOf(QStringLiteral("select count(*) from %1 where ClientId=:Id")
                                      .arg(QLatin1String(t)),
                                  {Param("Id", id)});
            counts << CountOf("select count(*) from client where Id=:Id", {Param("Id", id)});
            return counts;
        };
        TClientSet set;
        set.OpenEmpty();
        // An empty list deletes nothing and opens no transaction (a nested one
        // would be refused).
        DbConnection().BeginTrans();
        QVERIFY(!set.DeleteClient());
        DbConnection().RollbackTrans();

        set.OpenById(1);
        QVERIFY(set.DeleteClient());
        QCOMPARE(set.DataSet()->RecordCount(), 0);
        QCOMPARE(rowsOf(1), QList<int>({0, 0, 0, 0}));
        QCOMPARE(rowsOf(2), QList<int>({1, 1, 1, 1}));

        set.OpenById(2);
        DbConnection().Execute(QStringLiteral("alter table clientvisits rename to visits_gone"));
        QVERIFY(CaughtMessage([&] { set.DeleteClient(); }).contains("clientvisits"));
        QVERIFY(!DbConnection().InTransaction());
        DbConnection().Execute(QStringLiteral("alter table visits_gone rename to clientvisits"));
        QCOMPARE(rowsOf(2), QList<int>({1, 1, 1, 1}));
        QCOMPARE(set.DataSet()->RecordCount(), 1);
    }

    void findWithoutCriteria() {
        AddSearchClients();
        for (int id = 10; id < 70; ++id)
            InsertRow("client", {{"Id", id}, {"IsRecycle", 0}});
        TClientSet set;
        set.FindClients({});
        QCOMPARE(set.SqlText(),
                 QStringLiteral("select * from client where abs(IsRecycle)=0  order by Id desc"));
        QCOMPARE(set.DataSet()->RecordCount(), 63); // no row limit
        QCOMPARE(set.IdFld()->AsInteger(), 69);
    }

    void findClauses_data() {
        QTest::addColumn<QString>("criteria");
        QTest::addColumn<QString>("codes");
        QTest::newRow("全部") << "DealType=全部"
                              << "C3,C2,C1";
        QTest::newRow("不限") << "DealType=不限"
                              << "C3,C2,C1";
        QTest::newRow("求购") << "DealType=求购"
                              << "C3,C1";
        QTest::newRow("求租") << "DealType=求租"
                              << "C2";
        QTest::newRow("rooms within") << "Rooms=3"
                                      << "C1";
        QTest::newRow("rooms 0 is given") << "Rooms=0"
                                          << "C3";
        QTest::newRow("rooms at both ends") << "Rooms=2"
                                            << "C2,C1";
        QTest::newRow("rooms -1 off") << "Rooms=-1"
                                      << "C3,C2,C1";
        QTest::newRow("rooms -2 off") << "Rooms=-2"
                                      << "C3,C2,C1";
        QTest::newRow("area") << "Area=80"
                              << "C1";
        QTest::newRow("area shared end") << "Area=50"
                                         << "C3,C2";
        QTest::newRow("area two decimals") << "Area=120.004"
                                           << "C1";
        QTest::newRow("price rent") << "Price=1500"
                                    << "C2";
        QTest::newRow("price top") << "Price=2000000"
                                   << "C1";
        QTest::newRow("price middle") << "Price=400000"
                                      << "C3";
        QTest::newRow("bill from") << "BillFrom=2012-07-02"
                                   << "C3,C2";
        QTest::newRow("bill to midnight") << "BillTo=2012-07-05"
                                          << "C2,C1";
        QTest::newRow("name") << "Linkman=先生"
                              << "C1";
        QTest::newRow("telephone") << "LinkTel=0002"
                                   << "C2";
        QTest::newRow("estate") << "HouseName=花园"
                                << "C1";
        QTest::newRow("use contains") << "Purpose=商"
                                      << "C2";
        QTest::newRow("address") << "Address=人民"
                                 << "C1";
        QTest::newRow("state contains") << "State=成交"
                                        << "C2";
        QTest::newRow("state 正常") << "State=正常"
                                    << "C3,C1";
        QTest::newRow("code") << "Code=C3"
                              << "C3";
        QTest::newRow("source equals") << "ComeFrom=上门"
                                       << "C1";
        QTest::newRow("source not contained") << "ComeFrom=上"
                                              << "";
        QTest::newRow("registrant") << "Billman=李四"
                                    << "C2";
        QTest::newRow("broker") << "Broker=李四"
                                << "C1";
        QTest::newRow("keyword") << "Keyword=南北"
                                 << "C1";
        QTest::newRow("district contains") << "District=东"
                                           << "C3,C1";
        QTest::newRow("combined")
            << "DealType=求购;Rooms=3;Area=100;Price=1500000;District=东区;BillFrom=2012-07-01;"
               "BillTo=2012-07-02;Linkman=王;LinkTel=138;HouseName=阳光;Purpose=住;Address=1号;"
               "State=正;Code=C;ComeFrom=上门;Billman=张三;Broker=李四;Keyword=通透"
            << "C1";
        QTest::newRow("combined excludes") << "DealType=求租;Rooms=3"
                                           << "";
        QTest::newRow("quote") << "Linkman=O'Neil"
                               << "C2";
        QTest::newRow("percent literal") << "Linkman=100%"
                                         << "C2";
        QTest::newRow("underscore literal") << "Linkman=_李"
                                            << "C2";
        QTest::newRow("backslash literal") << "Linkman=李\\"
                                           << "C2";
        QTest::newRow("chinese") << "Linkman=李"
                                 << "C3,C2";
        QTest::newRow("injection is a value") << "Billman=张三' or '1'='1"
                                              << "";
        QTest::newRow("percent alone") << "Keyword=%"
                                       << "";
    }
    void findClauses() {
        QFETCH(QString, criteria);
        QFETCH(QString, codes);
        AddSearchClients();
        TClientCriteria c;
        for (const auto& [name, value] : Pairs(criteria))
            SetCriterion(c, name, value);
        TClientSet set;
        set.FindClients(c);
        QCOMPARE(Column(set, set.CodeFld()), codes);
    }

    void matchClientsConvertsPrices() {
        auto client = [](int id, const char* code, int room1, int room2, double area1, double area2,
                         double fund1, double fund2, int recycled = 0) {
            InsertRow("client", {{"Id", id},
                                 {"IsRecycle", recycled},
                                 {"Code", code},
                                 {"Room1", room1},
                                 {"Room2", room2},
                                 {"Area1", area1},
                                 {"Area2", area2},
                                 {"Fund1", fund1},
                                 {"Fund2", fund2}});
        };
        client(1, "buys 1-2 million", 2, 4, 80, 120, 1000000, 2000000);
        client(2, "rents 1500-3000", 3, 3, 90, 90, 1500, 3000);
        client(3, "rents 3000-5000", 2, 4, 80, 120, 3000, 5000);
        client(4, "too few rooms", 1, 2, 80, 120, 1000000, 2000000);
        client(5, "too small", 2, 4, 40, 80, 1000000, 2000000);
        client(6, "recycled", 2, 4, 80, 120, 1000000, 2000000, 1);

        THouseSet house;
        house.OpenById(-1);
        house.DataSet()->Append();
        SetFields(house.DataSet(), "Room=3;BuildArea=90;Fund=150;RentFund=2000");
        TClientSet set;
        QCOMPARE(set.MatchClientsFor(house), 2);
        QCOMPARE(SortedCodes(set), QStringList({"buys 1-2 million", "rents 1500-3000"}));
        // Prices keep four decimals.
        QCOMPARE(set.MatchClients(3, 90, 1000000.5, 0), 1);
        QCOMPARE(set.MatchClients(3, 90, 999999.9999, 0), 0);
    }
};

ORBEL_DB_TEST_MAIN(TstClientSet)
#include "tst_clientset.moc"
