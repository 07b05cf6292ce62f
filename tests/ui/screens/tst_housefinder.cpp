#include "../../core/operations/MgrTestSupport.h"
#include "TestDatabase.h"

#include "app/Error.h"
#include "data/Options.h"
#include "operations/EditorFactory.h"
#include "operations/HouseMgr.h"
#include "operations/HouseSearch.h"
#include "records/HouseSet.h"
#include "screens/FinderDateRange.h"
#include "screens/HouseFinderFrm.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

namespace {

using TIds = QList<int>;

// Types text into a control key by key, Chinese included.
void Type(QWidget* widget, const QString& text) {
    for (QChar ch : text) {
        if (ch.unicode() < 128)
            QTest::keyClick(widget, ch.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
}

// Enters a criterion the way the operator does: texts are typed into the combo
// or edit box serving the property, flags and dates go through the property.
void Enter(THouseFinderFrm& finder, const QString& name, const QVariant& value) {
    QLineEdit* edit =
        finder.findChild<QLineEdit*>(QStringLiteral("edt") + name + QStringLiteral("1"));
    if (auto* combo =
            finder.findChild<QComboBox*>(QStringLiteral("cb") + name + QStringLiteral("1")))
        edit = combo->lineEdit();
    if (!edit || value.typeId() != QMetaType::QString) {
        finder.SetProperty(name, value);
        return;
    }
    edit->clear();
    edit->setFocus();
    Type(edit, value.toString());
}

TIds IdsOf(const TDataSet& data) {
    TIds ids;
    const int id = data.FieldByName(QStringLiteral("Id"))->Index();
    for (int row = 0; row < data.RecordCount(); ++row)
        ids << data.ValueAt(row, id).toInt();
    return ids;
}

TIds Found(const THouseFinderFrm& finder, const QString& dealType) {
    THouseSet houses;
    houses.FindHouses(HouseSearch(finder, dealType));
    return IdsOf(*houses.DataSet());
}

// The ids the search must list: the 50 newest live houses meeting `where`.
TIds Expected(const QString& where, const TDBParameters& params = {}) {
    TRecordSet& scratch = ScratchSet();
    scratch.Open(QStringLiteral("select top 50 Id from house where abs(IsRecycle)=0 and (%1) "
                                "order by Id desc")
                     .arg(where),
                 params);
    TIds ids = IdsOf(*scratch.DataSet());
    scratch.Close();
    return ids;
}

void InsertHouseOnFloor(int id, int floor) {
    DbConnection().Execute(
        QStringLiteral("insert into house(Id, IsRecycle, Code, HouseName, Floor, DealType, Room) "
                       "values (:Id, 0, :Code, '地下', :Floor, '出售', 1)"),
        {Param("Id", id), Param("Code", QStringLiteral("B%1").arg(id)), Param("Floor", floor)});
}

// Creates real house search dialogs; the operations under test need no other.
class TFinderFactory : public TEditorFactory {
  public:
    TFinderFactory() { SetEditorFactory(this); }
    ~TFinderFactory() override { SetEditorFactory(nullptr); }
    std::unique_ptr<THouseFinder> CreateHouseFinder() override {
        auto finder = std::make_unique<THouseFinderFrm>();
        if (onShow)
            QTimer::singleShot(0, [this, f = finder.get()] { onShow(*f); });
        return finder;
    }
    std::function<void(THouseFinderFrm&)> onShow;

    std::unique_ptr<THouseEditor> CreateHouseEditor() override { return nullptr; }
    std::unique_ptr<TClientEditor> CreateClientEditor() override { return nullptr; }
    std::unique_ptr<TVisitEditor> CreateVisitEditor() override { return nullptr; }
    std::unique_ptr<TDealEditor> CreateDealEditor() override { return nullptr; }
    std::unique_ptr<TNotesEditor> CreateNotesEditor() override { return nullptr; }
    std::unique_ptr<TAttentionEditor> CreateAttentionEditor() override { return nullptr; }
    std::unique_ptr<TContactCard> CreateContactCard() override { return nullptr; }
    std::unique_ptr<TBrokerPicker> CreateBrokerPicker() override { return nullptr; }
    std::unique_ptr<TPhotoManager> CreatePhotoManager(THouseMgr&) override { return nullptr; }
};

} // namespace

class TstHouseFinder : public QObject {
    Q_OBJECT
  private slots:
    void init() {
        FreshDatabase(TTestContent::Demo);
        ProgramOptions().Refresh();
        LogIn(QStringLiteral("sa"));
        const int next = Scalar(QStringLiteral("select max(Id) from house")).toInt() + 1;
        InsertHouseOnFloor(next, -1);
        InsertHouseOnFloor(next + 1, -3);
        m_basement = next;
        m_deepBasement = next + 1;
    }

    void startsOnFirstPageWithListsFilled() {
        THouseFinderFrm finder;
        QCOMPARE(finder.Caption(), QStringLiteral("房源查找"));
        QCOMPARE(finder.Pages()->currentIndex(), 0);
        QCOMPARE(finder.Pages()->tabText(1), QStringLiteral("内部项目"));
        auto* district = finder.findChild<QComboBox*>(QStringLiteral("cbDistrict1"));
        QCOMPARE(district->itemText(0), QStringLiteral("不限"));
        QCOMPARE(district->count(), 1 + ProgramOptions().District().split("\r\n").size());
        QCOMPARE(district->currentText(), QString());
        auto* floorFrom = finder.findChild<QComboBox*>(QStringLiteral("cbFloorFrom1"));
        QCOMPARE(floorFrom->itemText(0), QStringLiteral("-1"));
        QCOMPARE(floorFrom->itemText(30), QStringLiteral("30"));
        auto* broker = finder.findChild<QComboBox*>(QStringLiteral("cbBroker1"));
        QVERIFY(broker->count() > 1);
        QCOMPARE(finder.DateTime("BillFrom").date(), QDate::currentDate());
    }

    // The date pairs show "不限" and stay disabled until their box is checked.
    void datePairsFollowTheirBox() {
        THouseFinderFrm finder;
        finder.show();
        auto* range = finder.findChild<TFinderDateRange*>(QStringLiteral("VisitDates"));
        QVERIFY(!range->FromPicker()->isEnabled());
        QCOMPARE(range->FromPicker()->text(), QStringLiteral("不限"));
        QCOMPARE(range->ToPicker()->text(), QStringLiteral("不限"));
        range->Check()->click();
        QVERIFY(range->FromPicker()->isEnabled() && range->ToPicker()->isEnabled());
        QCOMPARE(range->FromPicker()->text(), QDate::currentDate().toString("yyyy-MM-dd"));
        finder.SetProperty("VisitFrom", QDate(2020, 5, 6).startOfDay());
        QCOMPARE(range->FromPicker()->text(), QStringLiteral("2020-05-06"));
        range->Check()->click();
        QVERIFY(!range->FromPicker()->isEnabled());
        QCOMPARE(range->FromPicker()->text(), QStringLiteral("不限"));
        // Earlier dates can be written while the range is off.
        finder.SetProperty("VisitFrom", QDate(2019, 1, 2).startOfDay());
        QCOMPARE(finder.DateTime("VisitFrom").date(), QDate(2019, 1, 2));
        QVERIFY(finder.Property("VisitDateOn").toBool() == false);
    }

    void criteria_data() {
        QTest::addColumn<QString>("dealType");
        QTest::addColumn<QVariantMap>("entries");
        QTest::addColumn<QString>("where");
        QTest::addColumn<bool>("someRows");
        QTest::newRow("nothing") << "全部" << QVariantMap{} << "1=1" << true;
        QTest::newRow("不限 everywhere")
            << "全部"
            << QVariantMap{{"Room", "不限"},          {"District", "不限"}, {"FundFrom", "不限"},
                           {"State", "不限"},         {"Broker", "不限"},   {"RentTo", "不限"},
                           {"BuildYearFrom", "不限"}, {"Keys", "不限"}}
            << "1=1" << true;
        QTest::newRow("rooms 2 halls 1")
            << "全部" << QVariantMap{{"Room", "2"}, {"Hall", "1"}} << "Room=2 and Hall=1" << true;
        QTest::newRow("lowest floor -1 is a basement bound")
            << "全部" << QVariantMap{{"FloorFrom", "-1"}} << "Floor>=-1" << true;
        QTest::newRow("highest floor -1 sets no bound")
            << "全部" << QVariantMap{{"FloorTo", "-1"}} << "1=1" << true;
        QTest::newRow("floors -1 to 3")
            << "全部" << QVariantMap{{"FloorFrom", "-1"}, {"FloorTo", "3"}}
            << "Floor>=-1 and Floor<=3" << true;
        QTest::newRow("floors 5 to 10 for sale")
            << "出售" << QVariantMap{{"FloorFrom", "5"}, {"FloorTo", "10"}}
            << "Floor>=5 and Floor<=10 and DealType in ('出售','租售')" << true;
        QTest::newRow("sale price 50 to 200 万元")
            << "全部" << QVariantMap{{"FundFrom", "50"}, {"FundTo", "200"}}
            << "Fund>=50 and Fund<=200" << true;
        QTest::newRow("rent from 1500 to rent")
            << "出租" << QVariantMap{{"RentFrom", "1500"}}
            << "RentFund>=1500 and DealType in ('出租','租售')" << true;
        QTest::newRow("area 60 to 100")
            << "全部" << QVariantMap{{"AreaFrom", "60"}, {"AreaTo", "100"}}
            << "BuildArea>=60 and BuildArea<=100" << true;
        QTest::newRow("built 2000 or later")
            << "全部" << QVariantMap{{"BuildYearFrom", "2000"}} << "BuildYear>=2000" << true;
        QTest::newRow("settling and keys")
            << "全部" << QVariantMap{{"CanSettle", true}, {"Keys", "有"}}
            << "CanSettle='能' and Keys='有'" << false;
        QTest::newRow("name contains 园")
            << "全部" << QVariantMap{{"HouseName", "园"}} << "HouseName like '%园%'" << false;
        QTest::newRow("code as typed, 不限 taken literally")
            << "全部" << QVariantMap{{"Code", "不限"}} << "1=0" << false;
        QTest::newRow("registration dates off")
            << "全部"
            << QVariantMap{{"BillFrom", QDateTime(QDate(1990, 1, 1), QTime())},
                           {"BillTo", QDateTime(QDate(1990, 1, 2), QTime())}}
            << "1=1" << true;
    }
    void criteria() {
        QFETCH(QString, dealType);
        QFETCH(QVariantMap, entries);
        QFETCH(QString, where);
        QFETCH(bool, someRows);
        THouseFinderFrm finder;
        finder.show();
        for (auto it = entries.begin(); it != entries.end(); ++it)
            Enter(finder, it.key(), it.value());
        const TIds expected = Expected(where);
        if (someRows)
            QVERIFY(!expected.isEmpty());
        QCOMPARE(Found(finder, dealType), expected);
    }

    void basementFloors() {
        THouseFinderFrm finder;
        Enter(finder, "FloorFrom", QStringLiteral("-1"));
        TIds found = Found(finder, QStringLiteral("全部"));
        QVERIFY(found.contains(m_basement));
        QVERIFY(!found.contains(m_deepBasement));
        Enter(finder, "FloorFrom", QString());
        Enter(finder, "FloorTo", QStringLiteral("-1"));
        found = Found(finder, QStringLiteral("全部"));
        QVERIFY(found.contains(m_basement) && found.contains(m_deepBasement));
    }

    // Dates count only while their box is checked; each end is a whole day.
    void dateRanges() {
        const QDate billDay =
            Scalar(QStringLiteral("select max(BillTime) from house where abs(IsRecycle)=0"))
                .toDateTime()
                .date();
        THouseFinderFrm finder;
        finder.SetProperty("BillFrom", billDay.addDays(-30).startOfDay());
        finder.SetProperty("BillTo", billDay.addDays(1).startOfDay());
        QCOMPARE(Found(finder, "全部"), Expected("1=1"));
        finder.SetProperty("BillDateOn", true);
        const TIds expected = Expected("BillTime>=:F and BillTime<=:T",
                                       {Param("F", billDay.addDays(-30).startOfDay()),
                                        Param("T", billDay.addDays(1).startOfDay())});
        QVERIFY(!expected.isEmpty());
        QCOMPARE(Found(finder, "全部"), expected);

        const QString handman =
            Scalar(QStringLiteral("select max(Handman) from housevisits")).toString();
        QVERIFY(!handman.isEmpty());
        THouseFinderFrm visits;
        Enter(visits, "VisitHandman", handman);
        const TIds byHandman = Expected("Id in (select HouseId from housevisits where Handman=:H)",
                                        {Param("H", handman)});
        QVERIFY(!byHandman.isEmpty());
        QCOMPARE(Found(visits, "全部"), byHandman);
    }

    // The operation opens the dialog, and OK searches with the list's deal type.
    void advancedFindThroughTheDialog() {
        TFinderFactory factory;
        THouseMgr houses;
        OpenLive(houses);
        factory.onShow = [](THouseFinderFrm& f) {
            Enter(f, "Room", QStringLiteral("3"));
            f.Pages()->setCurrentIndex(1);
            Enter(f, "State", QStringLiteral("有效"));
            f.OkButton()->click();
        };
        houses.AdvancedFind(QStringLiteral("出售"));
        const TIds expected = Expected("Room=3 and State='有效' and DealType in ('出售','租售')");
        QVERIFY(!expected.isEmpty());
        QCOMPARE(IdsOf(*houses.DataSet()), expected);

        // Cancel leaves the list; a number that is not one stops the search.
        factory.onShow = [](THouseFinderFrm& f) { f.CancelButton()->click(); };
        houses.AdvancedFind(QStringLiteral("全部"));
        QCOMPARE(IdsOf(*houses.DataSet()), expected);
        factory.onShow = [](THouseFinderFrm& f) {
            Enter(f, "AreaFrom", QStringLiteral("6O"));
            f.OkButton()->click();
        };
        try {
            houses.AdvancedFind(QStringLiteral("全部"));
            QFAIL("the search ran");
        } catch (const EOrbelError& e) {
            QCOMPARE(e.Message(), QStringLiteral("\"6O\" 不是有效的整数."));
        }
        QCOMPARE(IdsOf(*houses.DataSet()), expected);
    }

  private:
    static void OpenLive(THouseMgr& houses) {
        houses.Open(QStringLiteral("select * from house where abs(IsRecycle)=0 order by Id"));
    }
    int m_basement = 0;
    int m_deepBasement = 0;
};

ORBEL_DB_UI_TEST_MAIN(TstHouseFinder)
#include "tst_housefinder.moc"
