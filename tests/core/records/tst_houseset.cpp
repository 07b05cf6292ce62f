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

// Six listings: four live (1, 2, 3, 5), two recycled (4 stored as -1, 6 as 1),
// and follow-ups of listings 1 and 3.
void AddSearchHouses() {
    InsertRow("house", {{"Id", 1},
                        {"IsRecycle", 0},
                        {"Code", "H1"},
                        {"DealType", "出售"},
                        {"District", "东区"},
                        {"Place", "甲地块"},
                        {"HouseName", "阳光花园"},
                        {"Address", "人民路1号"},
                        {"Room", 3},
                        {"Hall", 2},
                        {"Bath", 1},
                        {"Balcony", 1},
                        {"CanSettle", "能"},
                        {"CanSchool", "实验小学"},
                        {"Fund", 80.0},
                        {"Floor", -4},
                        {"BuildArea", 90.0},
                        {"HouseType", "住宅"},
                        {"RightProp", "商品房"},
                        {"Billman", "张三"},
                        {"BillTime", At("2012-07-01 10:00")},
                        {"Note", "南北通透"},
                        {"State", "正常"},
                        {"BuildYear", 2005},
                        {"Broker", "李四"},
                        {"ComeFrom", "上门"},
                        {"PropNo", "P-001"},
                        {"Linkman", "王先生"},
                        {"LinkTel", "13800001111"},
                        {"Purpose", "住宅"},
                        {"Keys", "有"}});
    InsertRow("house", {{"Id", 2},
                        {"IsRecycle", 0},
                        {"Code", "H2"},
                        {"DealType", "出租"},
                        {"District", "西区"},
                        {"Place", "乙地块"},
                        {"HouseName", "O'Neil 100%_大厦\\"},
                        {"Address", "解放路2号"},
                        {"Room", 2},
                        {"Hall", 1},
                        {"Bath", 1},
                        {"Balcony", 0},
                        {"CanSettle", "不能"},
                        {"RentFund", 1500.0},
                        {"Floor", 0},
                        {"BuildArea", 60.0},
                        {"HouseType", "商铺"},
                        {"RightProp", "私房"},
                        {"Billman", "李四"},
                        {"BillTime", At("2012-07-05 00:00")},
                        {"Note", "临街"},
                        {"State", "已成交"},
                        {"BuildYear", 1998},
                        {"Broker", "张三"},
                        {"ComeFrom", "网络"},
                        {"PropNo", "P-002"},
                        {"Linkman", "李女士"},
                        {"LinkTel", "13900002222"},
                        {"Purpose", "商业"},
                        {"Keys", "无"}});
    InsertRow("house", {{"Id", 3},
                        {"IsRecycle", 0},
                        {"Code", "H3"},
                        {"DealType", "租售"},
                        {"District", "东区"},
                        {"Place", "甲地块"},
                        {"HouseName", "1000号楼"},
                        {"Address", "人民路3号"},
                        {"Room", 3},
                        {"Hall", 1},
                        {"Bath", 2},
                        {"Balcony", 1},
                        {"Fund", 150.0},
                        {"RentFund", 3000.0},
                        {"Floor", 5},
                        {"BuildArea", 120.0},
                        {"HouseType", "住宅"},
                        {"Billman", "张三"},
                        {"BillTime", At("2012-08-01 09:00")},
                        {"Note", "学区房"},
                        {"State", "正常"},
                        {"BuildYear", 2010},
                        {"ComeFrom", "上门"}});
    InsertRow("house", {{"Id", 4},
                        {"IsRecycle", -1},
                        {"Code", "H4"},
                        {"DealType", "出售"},
                        {"District", "东区"},
                        {"HouseName", "阳光花园"},
                        {"Room", 3},
                        {"Fund", 80.0},
                        {"Floor", 1},
                        {"BuildArea", 90.0}});
    InsertRow("house", {{"Id", 5},
                        {"IsRecycle", 0},
                        {"Code", "H5"},
                        {"DealType", "出售"},
                        {"District", "南区"},
                        {"HouseName", "金大厦"},
                        {"Room", 1},
                        {"Fund", 40.0},
                        {"Floor", -5},
                        {"BuildArea", 45.0}});
    InsertRow("house", {{"Id", 6},
                        {"IsRecycle", 1},
                        {"Code", "H6"},
                        {"DealType", "出租"},
                        {"Room", 2},
                        {"RentFund", 1500.0},
                        {"Floor", 2},
                        {"BuildArea", 60.0}});
    InsertRow(
        "housevisits",
        {{"Id", 1}, {"HouseId", 1}, {"VizDate", At("2012-08-10 15:00")}, {"Handman", "赵六"}});
    InsertRow(
        "housevisits",
        {{"Id", 2}, {"HouseId", 3}, {"VizDate", At("2012-09-01 10:00")}, {"Handman", "钱七"}});
}

void SetCriterion(THouseCriteria& c, const QString& name, const QString& value) {
    static const QHash<QString, QString THouseCriteria::*> texts = {
        {"DealType", &THouseCriteria::DealType},
        {"District", &THouseCriteria::District},
        {"Place", &THouseCriteria::Place},
        {"HouseName", &THouseCriteria::HouseName},
        {"Address", &THouseCriteria::Address},
        {"CanSchool", &THouseCriteria::CanSchool},
        {"HouseType", &THouseCriteria::HouseType},
        {"RightProp", &THouseCriteria::RightProp},
        {"Billman", &THouseCriteria::Billman},
        {"Keyword", &THouseCriteria::Keyword},
        {"Code", &THouseCriteria::Code},
        {"State", &THouseCriteria::State},
        {"Broker", &THouseCriteria::Broker},
        {"ComeFrom", &THouseCriteria::ComeFrom},
        {"VisitHandman", &THouseCriteria::VisitHandman},
        {"PropNo", &THouseCriteria::PropNo},
        {"Linkman", &THouseCriteria::Linkman},
        {"LinkTel", &THouseCriteria::LinkTel},
        {"Purpose", &THouseCriteria::Purpose},
        {"Keys", &THouseCriteria::Keys}};
    static const QHash<QString, int THouseCriteria::*> numbers = {
        {"RowLimit", &THouseCriteria::RowLimit}, {"Room", &THouseCriteria::Room},
        {"Hall", &THouseCriteria::Hall},         {"Bath", &THouseCriteria::Bath},
        {"Balcony", &THouseCriteria::Balcony},   {"FundFrom", &THouseCriteria::FundFrom},
        {"FundTo", &THouseCriteria::FundTo},     {"RentFrom", &THouseCriteria::RentFrom},
        {"RentTo", &THouseCriteria::RentTo},     {"FloorFrom", &THouseCriteria::FloorFrom},
        {"FloorTo", &THouseCriteria::FloorTo},   {"AreaFrom", &THouseCriteria::AreaFrom},
        {"AreaTo", &THouseCriteria::AreaTo},     {"BuildYearFrom", &THouseCriteria::BuildYearFrom}};
    static const QHash<QString, QDate THouseCriteria::*> dates = {
        {"BillFrom", &THouseCriteria::BillFrom},
        {"BillTo", &THouseCriteria::BillTo},
        {"VisitFrom", &THouseCriteria::VisitFrom},
        {"VisitTo", &THouseCriteria::VisitTo}};
    if (texts.contains(name))
        c.*texts[name] = value;
    else if (numbers.contains(name))
        c.*numbers[name] = value.toInt();
    else if (dates.contains(name))
        c.*dates[name] = QDate::fromString(value, Qt::ISODate);
    else if (name == QLatin1String("CanSettle"))
        c.CanSettle = value == QLatin1String("1");
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

QStringList SortedCodes(THouseSet& set) {
    QStringList codes = Column(set, set.CodeFld()).split(u',', Qt::SkipEmptyParts);
    codes.sort();
    return codes;
}

} // namespace

class TstHouseSet : public QObject {
    Q_OBJECT
private slots:
    void init() {
        FreshDatabase(TTestContent::Tables);
        SetCurrentLoginId(QStringLiteral("张三"));
    }

    void fieldListAndAccessors() {
        THouseSet set;
        TDataSet* ds = set.DataSet();
        QCOMPARE(ds->FieldCount(), 78);
        QCOMPARE(ds->Field(0)->FieldName(), QStringLiteral("Id"));
        QCOMPARE(ds->Field(77)->FieldName(), QStringLiteral("Imagex"));
        // The renamed accessors and the labels the duplicate check and import use.
        QCOMPARE(set.FloorCalcFld()->FieldName(), QStringLiteral("FloorStr"));
        QCOMPARE(set.BuildDateCalcFld()->FieldName(), QStringLiteral("BuildDate"));
        QCOMPARE(set.DecorateDateCalcFld()->FieldName(), QStringLiteral("DecorateDate"));
        QCOMPARE(set.FloorCalcFld()->Index(), 11);
        QCOMPARE(set.FloorCalcFld()->Size(), 30);
        QCOMPARE(set.DoorCalcFld()->Size(), 20);
        QCOMPARE(set.ShareAreaFld()->DisplayLabel(), QStringLiteral("公摊(%)"));
        QCOMPARE(set.FundFld()->DisplayLabel(), QStringLiteral("售价(万元)"));
        QCOMPARE(set.LinkNoteFld()->Kind(), TFieldKind::Memo);
        QStringList hidden, calculated;
        for (TField* f : ds->Fields()) {
            if (!f->Visible())
                hidden << f->FieldName();
            if (f->Calculated())
                calculated << f->FieldName() + u'=' + f->DisplayLabel();
        }
        QCOMPARE(hidden,
                 QStringList({"Id", "IsRecycle", "ShareArea", "AreaNote", "LinkNote", "Imagex"}));
        QCOMPARE(calculated,
                 QStringList({"FloorStr=[楼层]", "BuildDate=[建成年月]", "BuildYearOutwall=[年限]",
                              "RoomTypeCalc=[户型]", "DoorCalc=[梯户]", "AreaCalc=[面积]",
                              "MgrFundCalc=[物业费]", "RentFundCalc=[租金]",
                              "DecorateDate=[装修年月]"}));
    }

    void calculatedFields_data() {
        QTest::addColumn<QString>("values");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("expected");
        QTest::newRow("rooms 3 2 1 0") << "Room=3;Hall=2;Bath=1;Balcony=0"
                                       << "RoomTypeCalc"
                                       << "3室2厅1卫";
        QTest::newRow("rooms all") << "Room=1;Hall=1;Bath=1;Balcony=2"
                                   << "RoomTypeCalc"
                                   << "1室1厅1卫2阳台";
        QTest::newRow("hall only") << "Room=0;Hall=2;Bath=0;Balcony=0"
                                   << "RoomTypeCalc"
                                   << "2厅";
        QTest::newRow("rooms zero") << "Room=0;Hall=0;Bath=0;Balcony=0"
                                    << "RoomTypeCalc"
                                    << "";
        QTest::newRow("rooms null") << ""
                                    << "RoomTypeCalc"
                                    << "";
        QTest::newRow("floor span") << "Floor=5;FloorB=6;FloorCount=18"
                                    << "FloorStr"
                                    << "5-6/18";
        QTest::newRow("floor alone") << "Floor=5;FloorB=0;FloorCount=18"
                                     << "FloorStr"
                                     << "5/18";
        QTest::newRow("floor basement") << "Floor=-1;FloorCount=6"
                                        << "FloorStr"
                                        << "-1/6";
        QTest::newRow("floor null") << ""
                                    << "FloorStr"
                                    << "0/";
        QTest::newRow("decorated") << "DecorateYear=2010;DecorateMonth=5"
                                   << "DecorateDate"
                                   << "2010年5月";
        QTest::newRow("decorated month") << "DecorateMonth=5"
                                         << "DecorateDate"
                                         << "5月";
        QTest::newRow("decorated year") << "DecorateYear=2010;DecorateMonth=0"
                                        << "DecorateDate"
                                        << "2010年";
        QTest::newRow("built") << "BuildYear=1998;BuildMonth=12"
                               << "BuildDate"
                               << "1998年12月";
        QTest::newRow("built none") << "BuildYear=0"
                                    << "BuildDate"
                                    << "";
        QTest::newRow("year wall") << "BuildYear=1998;OutWall=瓷砖"
                                   << "BuildYearOutwall"
                                   << "1998瓷砖";
        QTest::newRow("wall only") << "OutWall=涂料"
                                   << "BuildYearOutwall"
                                   << "涂料";
        QTest::newRow("area plus") << "BuildArea=85.5;OtherArea=车库10平方"
                                   << "AreaCalc"
                                   << "85.5+车库10平方";
        QTest::newRow("area alone") << "BuildArea=90;OtherArea="
                                    << "AreaCalc"
                                    << "90";
        QTest::newRow("area other only") << "OtherArea=阁楼"
                                         << "AreaCalc"
                                         << "+阁楼";
        QTest::newRow("fee rounded") << "MgrFund=1.4;MgrFundUnit=元/平方"
                                     << "MgrFundCalc"
                                     << "1元/平方";
        QTest::newRow("fee half up") << "MgrFund=2.5;MgrFundUnit=元/月"
                                     << "MgrFundCalc"
                                     << "3元/月";
        QTest::newRow("fee null") << ""
                                  << "MgrFundCalc"
                                  << "0";
        QTest::newRow("stairs doors") << "Stairs=2;Door=4"
                                      << "DoorCalc"
                                      << "2梯4户";
        QTest::newRow("stairs none") << ""
                                     << "DoorCalc"
                                     << "梯户";
        QTest::newRow("rent") << "RentFund=1500;RentFundUnit=元/月"
                              << "RentFundCalc"
                              << "1500元/月";
        QTest::newRow("rent rounded") << "RentFund=1499.5"
                                      << "RentFundCalc"
                                      << "1500";
    }
    void calculatedFields() {
        QFETCH(QString, values);
        QFETCH(QString, field);
        QFETCH(QString, expected);
        THouseSet set;
        set.OpenById(-1);
        set.DataSet()->Append();
        SetFields(set.DataSet(), values);
        QCOMPARE(set.DataSet()->FieldByName(field)->AsString(), expected);
        set.DataSet()->Post();
        QCOMPARE(set.DataSet()->FieldByName(field)->AsString(), expected);
    }

    void calculatedFieldsFollowChanges() {
        InsertRow("house", {{"Id", 1}, {"Room", 2}, {"Floor", 3}, {"FloorCount", 6}});
        THouseSet set;
        set.OpenById(1);
        QCOMPARE(set.RoomTypeCalcFld()->AsString(), QStringLiteral("2室"));
        QCOMPARE(set.FloorCalcFld()->AsString(), QStringLiteral("3/6"));
        set.DataSet()->Edit();
        set.HallFld()->SetAsInteger(1);
        set.FloorBFld()->SetAsInteger(4);
        QCOMPARE(set.RoomTypeCalcFld()->AsString(), QStringLiteral("2室1厅"));
        set.DataSet()->Post();
        QCOMPARE(set.FloorCalcFld()->AsString(), QStringLiteral("3-4/6"));
    }

    void saveInsertsThenUpdatesEveryColumn() {
        THouseSet set;
        set.OpenById(-1);
        set.DataSet()->Append();
        FillWritableFields(set.DataSet(), 1);
        set.IsRecycleFld()->Clear(); // a NULL flag is written as false
        set.Save();
        QCOMPARE(set.IdFld()->AsInteger(), 1);
        QVERIFY(!set.DataSet()->Editing());

        THouseSet stored;
        stored.OpenById(1);
        QCOMPARE(DifferentFields(set.DataSet(), stored.DataSet()), QStringList({"IsRecycle"}));
        QCOMPARE(CountOf("select count(*) from house where IsRecycle=0"), 1);
        // The entry time comes from the database.
        QVERIFY(stored.AddTimeFld()->AsDateTime().isValid());
        QVERIFY(qAbs(stored.AddTimeFld()->AsDateTime().secsTo(DbConnection().ServerNow())) < 120);

        set.DataSet()->Append();
        set.CodeFld()->SetAsString(QStringLiteral("第二"));
        set.Save();
        QCOMPARE(set.IdFld()->AsInteger(), 2);
        QVERIFY(ScalarOf("select LinkNote from house where Id=2").isNull()); // NULL stays NULL

        set.OpenById(1);
        set.DataSet()->Edit();
        FillWritableFields(set.DataSet(), 2);
        set.Save();
        QCOMPARE(set.IdFld()->AsInteger(), 1);
        stored.Refresh();
        QCOMPARE(DifferentFields(set.DataSet(), stored.DataSet()), QStringList());
        QCOMPARE(stored.CodeFld()->AsString(), QStringLiteral("文202"));
        QCOMPARE(CountOf("select count(*) from house"), 2);
    }

    void failedWritesCancelTheEdit() {
        InsertRow("house", {{"Id", 1}, {"IsRecycle", 0}, {"Code", "H1"}, {"Broker", "李四"}});
        THouseSet set;
        set.OpenById(1);
        DbConnection().Execute(QStringLiteral("alter table house rename to house_gone"));

        set.DataSet()->Edit();
        set.CodeFld()->SetAsString(QStringLiteral("改过"));
        const QString error = CaughtMessage([&] { set.Save(); });
        QVERIFY2(error.endsWith(QStringLiteral("where Id=:Id")), qPrintable(error));
        QCOMPARE(set.CodeFld()->AsString(), QStringLiteral("H1"));

        QVERIFY(CaughtMessage([&] {
                    set.SetBroker(QStringLiteral("王五"));
                }).contains("Broker=:NewBroker"));
        QCOMPARE(set.BrokerFld()->AsString(), QStringLiteral("李四"));

        QVERIFY(CaughtMessage([&] { set.SetRecycle(true); }).contains("IsRecycle=:IsRecycle"));
        QCOMPARE(set.DataSet()->RecordCount(), 1);
        QVERIFY(!set.IsRecycleFld()->AsBoolean());
        QVERIFY(!set.DataSet()->Editing());

        // A new row whose Id cannot be read is dropped again.
        TScriptedMessenger messenger;
        set.DataSet()->Append();
        set.CodeFld()->SetAsString(QStringLiteral("新"));
        QVERIFY_THROWS_EXCEPTION(EOrbelError, set.Save());
        QCOMPARE(set.DataSet()->RecordCount(), 1);
        QVERIFY(messenger.Last().contains(QStringLiteral("select max(Id) from house")));
    }

    void numberFieldRefusesText() {
        THouseSet set;
        set.OpenById(-1);
        set.DataSet()->Append();
        QCOMPARE(CaughtMessage([&] { set.RoomFld()->SetAsString(QStringLiteral("三")); }),
                 QStringLiteral("'三' 不是有效的整数值."));
        QCOMPARE(CaughtMessage([&] { set.BuildAreaFld()->SetAsString(QStringLiteral("8o")); }),
                 QStringLiteral("'8o' 不是有效的浮点数值."));
        QVERIFY(set.RoomFld()->IsNull());
    }

    void recycleFlagOneAndMinusOne() {
        AddSearchHouses();
        THouseSet set;
        set.OpenRecycled();
        QCOMPARE(SortedCodes(set), QStringList({"H4", "H6"}));
        set.FindHouses({});
        QCOMPARE(Column(set, set.CodeFld()), QStringLiteral("H5,H3,H2,H1"));
        QCOMPARE(set.MatchHouses(0, 9, 0, 500, 0, 1e9), 4);

        set.FindHouses({});
        QVERIFY(set.DataSet()->Locate(QStringLiteral("Code"), QStringLiteral("H2")));
        set.SetRecycle(true);
        QCOMPARE(Column(set, set.CodeFld()), QStringLiteral("H5,H3,H1"));
        QCOMPARE(ScalarOf("select IsRecycle from house where Id=2").toInt(), 1);

        set.OpenRecycled();
        QVERIFY(set.DataSet()->Locate(QStringLiteral("Code"), QStringLiteral("H4")));
        set.SetRecycle(false);
        QCOMPARE(SortedCodes(set), QStringList({"H2", "H6"}));
        QCOMPARE(ScalarOf("select IsRecycle from house where Id=4").toInt(), 0);
    }

    void brokerChange() {
        InsertRow("house", {{"Id", 1}, {"IsRecycle", 0}, {"Broker", "李四"}});
        THouseSet set;
        set.OpenById(1);
        set.SetBroker(QStringLiteral("王'五"));
        QCOMPARE(set.BrokerFld()->AsString(), QStringLiteral("王'五"));
        QVERIFY(!set.DataSet()->Editing());
        QCOMPARE(ScalarOf("select Broker from house where Id=1").toString(),
                 QStringLiteral("王'五"));
    }

    void bookmarksPerLogin() {
        AddSearchHouses();
        THouseSet set;
        set.OpenById(3);
        SetCurrentLoginId(QStringLiteral("o'brien"));
        QVERIFY(!set.IsAttention());
        set.SetAttention(true);
        QVERIFY(set.IsAttention());
        SetCurrentLoginId(QStringLiteral("o'brien%"));
        QVERIFY(!set.IsAttention());
        set.OpenByAttention();
        QCOMPARE(set.DataSet()->RecordCount(), 0);

        SetCurrentLoginId(QStringLiteral("o'brien"));
        set.OpenByAttention();
        QCOMPARE(Column(set, set.CodeFld()), QStringLiteral("H3"));
        set.SetAttention(false);
        QVERIFY(!set.IsAttention());
        set.OpenByAttention();
        QCOMPARE(set.DataSet()->RecordCount(), 0);
    }

    void openByIdUsesTheListFirst() {
        AddSearchHouses();
        THouseSet set;
        set.FindHouses({});
        const QString listSql = set.SqlText();
        set.OpenById(2);
        QCOMPARE(set.CodeFld()->AsString(), QStringLiteral("H2"));
        QCOMPARE(set.SqlText(), listSql);
        set.OpenById(4); // recycled, not in the list: read
        QCOMPARE(set.SqlText(), QStringLiteral("select * from house where Id=:Id"));
        QCOMPARE(Column(set, set.CodeFld()), QStringLiteral("H4"));
    }

    void deleteRemovesDependantsOfThisListingOnly() {
        for (int id : {1, 2}) {
            InsertRow("house", {{"Id", id}, {"IsRecycle", 0}, {"Code", "同号"}});
            InsertRow("houseattention", {{"LoginId", "张三"}, {"HouseId", id}});
            InsertRow("deals", {{"Id", id}, {"HouseId", id}});
            InsertRow("housechanges", {{"Id", id}, {"HouseId", id}});
            InsertRow("housevisits", {{"Id", id}, {"HouseId", id}});
            InsertRow("houseimages", {{"Id", id}, {"HouseId", id}});
        }
        const QStringList dependants = {"houseattention", "deals", "housechanges", "housevisits",
                                        "houseimages"};
        auto rowsOf = [&](int id) {
            QList<int> counts;
            for (const QString& t : dependants)
                counts << CountOf(
                    QStringLiteral("select count(*) from %1 where HouseId=:Id").arg(t),
                    {Param("Id", id)});
            counts << CountOf("select count(*) from house where Id=:Id", {Param("Id", id)});
            return counts;
        };
        THouseSet set;
        set.OpenById(1);
        set.DeleteHouse();
        QCOMPARE(set.DataSet()->RecordCount(), 0);
        QCOMPARE(rowsOf(1), QList<int>({0, 0, 0, 0, 0, 0}));
        QCOMPARE(rowsOf(2), QList<int>({1, 1, 1, 1, 1, 1}));

        // The last dependant delete fails: the earlier ones are undone.
        set.OpenById(2);
        DbConnection().Execute(QStringLiteral("alter table houseimages rename to images_gone"));
        QVERIFY(CaughtMessage([&] { set.DeleteHouse(); }).contains("houseimages"));
        QVERIFY(!DbConnection().InTransaction());
        DbConnection().Execute(QStringLiteral("alter table images_gone rename to houseimages"));
        QCOMPARE(rowsOf(2), QList<int>({1, 1, 1, 1, 1, 1}));
        QCOMPARE(set.DataSet()->RecordCount(), 1);
    }

    void findWithoutCriteria() {
        AddSearchHouses();
        THouseSet set;
        set.FindHouses({});
        QCOMPARE(set.SqlText(), QStringLiteral("select top 50 * from house where abs(IsRecycle)=0 "
                                               " order by Id desc"));
        for (int id = 10; id < 70; ++id)
            InsertRow("house", {{"Id", id}, {"IsRecycle", 0}});
        set.FindHouses({});
        QCOMPARE(set.DataSet()->RecordCount(), 50);
        QCOMPARE(set.IdFld()->AsInteger(), 69);
    }

    void findClauses_data() {
        QTest::addColumn<QString>("criteria");
        QTest::addColumn<QString>("codes");
        QTest::newRow("全部") << "DealType=全部"
                              << "H5,H3,H2,H1";
        QTest::newRow("不限") << "DealType=不限"
                              << "H5,H3,H2,H1";
        QTest::newRow("出售 with 租售") << "DealType=出售"
                                        << "H5,H3,H1";
        QTest::newRow("出租 with 租售") << "DealType=出租"
                                        << "H3,H2";
        QTest::newRow("租售 alone") << "DealType=租售"
                                    << "H3";
        QTest::newRow("district") << "District=东区"
                                  << "H3,H1";
        QTest::newRow("place") << "Place=乙地块"
                               << "H2";
        QTest::newRow("estate contains") << "HouseName=花园"
                                         << "H1";
        QTest::newRow("address contains") << "Address=人民路"
                                          << "H3,H1";
        QTest::newRow("room") << "Room=3"
                              << "H3,H1";
        QTest::newRow("hall") << "Hall=1"
                              << "H3,H2";
        QTest::newRow("bath") << "Bath=2"
                              << "H3";
        QTest::newRow("balcony 0") << "Balcony=0"
                                   << "H2";
        QTest::newRow("can settle") << "CanSettle=1"
                                    << "H1";
        QTest::newRow("school") << "CanSchool=实验"
                                << "H1";
        QTest::newRow("fund from") << "FundFrom=80"
                                   << "H3,H1";
        QTest::newRow("fund to") << "FundTo=80"
                                 << "H5,H1";
        QTest::newRow("rent from") << "RentFrom=2000"
                                   << "H3";
        QTest::newRow("rent to") << "RentTo=1500"
                                 << "H2";
        QTest::newRow("floor from -4") << "FloorFrom=-4"
                                       << "H3,H2,H1";
        QTest::newRow("floor from -5 off") << "FloorFrom=-5"
                                           << "H5,H3,H2,H1";
        QTest::newRow("floor to 0") << "FloorTo=0"
                                    << "H5,H2,H1";
        QTest::newRow("floor to -1 off") << "FloorTo=-1"
                                         << "H5,H3,H2,H1";
        QTest::newRow("floor to -4") << "FloorTo=-4"
                                     << "H5,H1";
        QTest::newRow("area from") << "AreaFrom=90"
                                   << "H3,H1";
        QTest::newRow("area to") << "AreaTo=60"
                                 << "H5,H2";
        QTest::newRow("kind") << "HouseType=住宅"
                              << "H3,H1";
        QTest::newRow("ownership") << "RightProp=私房"
                                   << "H2";
        QTest::newRow("registrant") << "Billman=张三"
                                    << "H3,H1";
        QTest::newRow("bill from") << "BillFrom=2012-07-02"
                                   << "H3,H2";
        QTest::newRow("bill to midnight") << "BillTo=2012-07-05"
                                          << "H2,H1";
        QTest::newRow("bill same day") << "BillFrom=2012-07-01;BillTo=2012-07-01"
                                       << "";
        QTest::newRow("keyword") << "Keyword=通透"
                                 << "H1";
        QTest::newRow("code") << "Code=H2"
                              << "H2";
        QTest::newRow("state") << "State=正常"
                               << "H3,H1";
        QTest::newRow("build year") << "BuildYearFrom=2005"
                                    << "H3,H1";
        QTest::newRow("broker") << "Broker=李四"
                                << "H1";
        QTest::newRow("source") << "ComeFrom=上门"
                                << "H3,H1";
        QTest::newRow("visitor") << "VisitHandman=赵六"
                                 << "H1";
        QTest::newRow("visit range") << "VisitFrom=2012-08-01;VisitTo=2012-08-31"
                                     << "H1";
        QTest::newRow("visit end midnight") << "VisitFrom=2012-08-01;VisitTo=2012-09-01"
                                            << "H1";
        QTest::newRow("visit both") << "VisitFrom=2012-08-01;VisitTo=2012-09-02"
                                    << "H3,H1";
        QTest::newRow("visit end alone off") << "VisitTo=2012-08-31"
                                             << "H5,H3,H2,H1";
        QTest::newRow("deed") << "PropNo=P-00"
                              << "H2,H1";
        QTest::newRow("owner") << "Linkman=先生"
                               << "H1";
        QTest::newRow("telephone") << "LinkTel=0002"
                                   << "H2";
        QTest::newRow("use") << "Purpose=商业"
                             << "H2";
        QTest::newRow("keys") << "Keys=有"
                              << "H1";
        QTest::newRow("row limit") << "RowLimit=1"
                                   << "H5";
        QTest::newRow("limit and deal") << "RowLimit=2;DealType=出租"
                                        << "H3,H2";
        QTest::newRow("sale, 3 rooms, to 100") << "DealType=出售;Room=3;FundTo=100"
                                               << "H1";
        QTest::newRow("east, upstairs, rent") << "District=东区;FloorFrom=0;DealType=出租"
                                              << "H3";
        QTest::newRow("all of listing 2")
            << "DealType=出租;District=西区;Place=乙地块;HouseName=大厦;Address=解放;Room=2;"
               "Hall=1;Bath=1;Balcony=0;RentFrom=1500;RentTo=1500;FloorFrom=0;FloorTo=0;"
               "AreaFrom=60;AreaTo=60;HouseType=商铺;RightProp=私房;Billman=李四;"
               "BillFrom=2012-07-05;BillTo=2012-07-05;Keyword=临;Code=H;State=已成交;"
               "BuildYearFrom=1998;Broker=张三;ComeFrom=网络;PropNo=002;Linkman=女士;"
               "LinkTel=139;Purpose=商业;Keys=无"
            << "H2";
        QTest::newRow("quote") << "HouseName=O'Neil"
                               << "H2";
        QTest::newRow("percent literal") << "HouseName=100%"
                                         << "H2";
        QTest::newRow("underscore literal") << "HouseName=_大厦"
                                            << "H2";
        QTest::newRow("backslash literal") << "HouseName=厦\\"
                                           << "H2";
        QTest::newRow("chinese contains") << "HouseName=大厦"
                                          << "H5,H2";
        QTest::newRow("injection is a value") << "District=东区' or '1'='1"
                                              << "";
        QTest::newRow("percent alone") << "Code=%"
                                       << "";
        QTest::newRow("underscore alone") << "Keyword=_"
                                          << "";
    }
    void findClauses() {
        QFETCH(QString, criteria);
        QFETCH(QString, codes);
        AddSearchHouses();
        THouseCriteria c;
        for (const auto& [name, value] : Pairs(criteria))
            SetCriterion(c, name, value);
        THouseSet set;
        set.FindHouses(c);
        QCOMPARE(Column(set, set.CodeFld()), codes);
    }

    void matchHousesConvertsPrices() {
        auto house = [](int id, const char* code, int room, double area, QVariant fund,
                        QVariant rent, int recycled = 0) {
            InsertRow("house", {{"Id", id},
                                {"IsRecycle", recycled},
                                {"Code", code},
                                {"Room", room},
                                {"BuildArea", area},
                                {"Fund", fund},
                                {"RentFund", rent}});
        };
        const QVariant none;
        house(1, "price15", 3, 90, 15.0, none);
        house(2, "rent150000", 2, 80, none, 150000.0);
        house(3, "price25", 3, 90, 25.0, none);
        house(4, "six rooms", 6, 90, 15.0, none);
        house(5, "too small", 3, 40, 15.0, none);
        house(6, "recycled", 3, 90, 15.0, none, 1);
        house(7, "price10", 1, 50, 10.0, 3000.0);
        house(8, "price12.3456", 3, 90, 12.3456, none);

        TClientSet client;
        client.OpenEmpty();
        client.DataSet()->Append();
        SetFields(client.DataSet(), "Room1=1;Room2=5;Area1=50;Area2=100;Fund1=100000;Fund2=200000");
        THouseSet set;
        QCOMPARE(set.MatchHousesFor(client), 4);
        QCOMPARE(SortedCodes(set),
                 QStringList({"price10", "price12.3456", "price15", "rent150000"}));
        // Four decimals of 10,000 yuan: exactly 123,456 yuan.
        QCOMPARE(set.MatchHouses(0, 9, 0, 999, 123456, 123456), 1);
        QCOMPARE(SortedCodes(set), QStringList({"price12.3456"}));
    }

    void duplicateCheck() {
        InsertRow("house", {{"Id", 7},
                            {"IsRecycle", 0},
                            {"Code", "F-007"},
                            {"HouseName", "阳光'花园"},
                            {"Seat", "3幢"},
                            {"Floor", 5},
                            {"FloorB", 0},
                            {"DoorNo", "501"}});
        TScriptedMessenger messenger;
        THouseSet set;
        const QString name = QStringLiteral("阳光'花园");
        QVERIFY(set.CheckDuplicate(name, "3幢", "501", 0, 5, 0));
        QCOMPARE(messenger.shown,
                 QStringList({"\r\n已经存在相同的房源记录(物业名称,幢/座,层次,层次B及保密地址), "
                              "该房源编号为F-007, 请检查后再试一次.\t"}));
        messenger.Clear();
        QVERIFY(!set.CheckDuplicate(name, "3幢", "501", 7, 5, 0)); // itself
        QVERIFY(!set.CheckDuplicate(name, "3幢", "502", 0, 5, 0));
        QVERIFY(!set.CheckDuplicate(name, "3幢", "501", 0, 5, 6));
        QVERIFY(!set.CheckDuplicate(QStringLiteral("阳光'花园' or '1'='1"), "3幢", "501", 0, 5, 0));
        QCOMPARE(messenger.shown, QStringList());
    }
};

ORBEL_DB_TEST_MAIN(TstHouseSet)
#include "tst_houseset.moc"
