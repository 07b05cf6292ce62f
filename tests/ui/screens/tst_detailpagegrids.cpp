#include "../../core/operations/MgrTestSupport.h"
#include "../../core/operations/ScriptedEditors.h"
#include "ScriptedMessenger.h"
#include "TestDatabase.h"

#include "operations/ClientMgr.h"
#include "operations/HouseMgr.h"
#include "screens/ClientChangeGrid.h"
#include "screens/ClientMathGrid.h"
#include "screens/ClientVisitGrid.h"
#include "screens/DetailLayouts.h"
#include "screens/HouseChangeGrid.h"
#include "screens/HouseDealGrid.h"
#include "screens/HouseDetailsFra.h"
#include "screens/HouseMathGrid.h"
#include "screens/HouseVisitGrid.h"
#include "toolkit/GridLayout.h"

#include <QAction>
#include <QMenu>
#include <QSet>
#include <QTest>

#include <functional>
#include <memory>

namespace {

void OpenLive(TRecordSet& set, const QString& table) {
    set.Open(QStringLiteral("select * from %1 where abs(IsRecycle)=0 order by Id").arg(table));
}

int ChildCount(const QString& table, const QString& parentColumn, int parentId) {
    return Count(table, parentColumn + QStringLiteral("=:P"), {Param("P", parentId)});
}

QStringList Captions(QMenu* menu) {
    QStringList captions;
    for (QAction* a : menu->actions())
        captions << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return captions;
}

QAction* Item(QMenu* menu, const QString& caption) {
    for (QAction* a : menu->actions())
        if (a->text() == caption)
            return a;
    return nullptr;
}

// Double-clicks row `row` of a grid shown on screen.
void DoubleClickRow(TzyGridcx& grid, int row) {
    if (!grid.isVisible()) {
        grid.resize(900, 300);
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
    }
    const QRect cell = grid.visualRect(grid.Model()->index(row, 0));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, cell.center());
}

// Whether a client's wishes take in a house: rooms, area and the sale price
// (in yuan) or the rent within the client's ranges.
bool Wants(const TClientSet& c, int rooms, double area, double price, double rent) {
    auto within = [](double v, double low, double high) { return low <= v && v <= high; };
    const double f1 = c.Fund1Fld()->AsFloat(), f2 = c.Fund2Fld()->AsFloat();
    return within(rooms, c.Room1Fld()->AsInteger(), c.Room2Fld()->AsInteger()) &&
           within(area, c.Area1Fld()->AsFloat(), c.Area2Fld()->AsFloat()) &&
           (within(price, f1, f2) || within(rent, f1, f2));
}

QSet<int> Ids(TRecordSet& set) {
    QSet<int> ids;
    TDataSet* data = set.DataSet();
    if (!data->Active())
        return ids;
    const int keep = data->CurrentRow();
    for (data->First(); !data->Eof(); data->Next())
        ids << data->FieldByName("Id")->AsInteger();
    data->SetCurrentRow(keep);
    return ids;
}

} // namespace

class TstDetailPageGrids : public QObject {
    Q_OBJECT
  private slots:
    void init() {
        FreshDatabase(TTestContent::Demo);
        LogIn(QStringLiteral("sa"));
    }

    // Each history grid shows the rows of the manager's current record, row
    // after row, and stores its layout under a number of its own.
    void historyGridsFollowTheList_data() {
        QTest::addColumn<bool>("houseSide");
        QTest::addColumn<QString>("table");
        QTest::addColumn<int>("layout");
        QTest::newRow("house visits") << true << "housevisits" << int(dlHouseVisits);
        QTest::newRow("house deals") << true << "deals" << int(dlHouseDeals);
        QTest::newRow("house changes") << true << "housechanges" << int(dlHouseChanges);
        QTest::newRow("client visits") << false << "clientvisits" << int(dlClientVisits);
        QTest::newRow("client changes") << false << "clientchanges" << int(dlClientChanges);
    }
    void historyGridsFollowTheList() {
        QFETCH(bool, houseSide);
        QFETCH(QString, table);
        QFETCH(int, layout);
        THouseMgr houses;
        TClientMgr clients;
        TBizSet& list = houseSide ? static_cast<TBizSet&>(houses) : clients;
        OpenLive(list, houseSide ? "house" : "client");
        auto currentId = [&] { return houseSide ? houses.CurrentId() : clients.CurrentId(); };
        std::unique_ptr<TFollowingGrid> grid;
        if (table == "housevisits")
            grid = std::make_unique<THouseVisitGrid>(houses);
        else if (table == "deals")
            grid = std::make_unique<THouseDealGrid>(houses);
        else if (table == "housechanges")
            grid = std::make_unique<THouseChangeGrid>(houses);
        else if (table == "clientvisits")
            grid = std::make_unique<TClientVisitGrid>(clients);
        else
            grid = std::make_unique<TClientChangeGrid>(clients);
        QCOMPARE(grid->Tag(), layout);
        QVERIFY(!TGridLayout::IsListLayout(grid->Tag()));
        const QString parent = houseSide ? "HouseId" : "ClientId";
        int withRows = 0;
        for (int step = 0; step < 12; ++step) {
            QCOMPARE(grid->RowCount(), ChildCount(table, parent, currentId()));
            withRows += grid->RowCount() > 0 ? 1 : 0;
            list.DataSet()->Next();
        }
        QVERIFY(withRows > 0);
        grid.reset();
        QVERIFY(!(houseSide ? bool(houses.AfterScroll()) : bool(clients.AfterScroll())));
    }

    // With the visits shown, every move reloads them; once the details page
    // replaced them, moving leaves the visits of the last house alone.
    void detailsPageStopsVisitReloads() {
        THouseMgr houses;
        OpenLive(houses, "house");
        auto grid = std::make_unique<THouseVisitGrid>(houses);
        houses.DataSet()->Next();
        houses.DataSet()->Next();
        const int shown = houses.CurrentId();
        QCOMPARE(houses.Visits()->DataSet()->RecordCount(),
                 ChildCount("housevisits", "HouseId", shown));
        // The list frame frees the page shown before it makes the next one.
        grid.reset();
        THouseDetailsFra details(houses, nullptr);
        QVERIFY(bool(houses.AfterScroll()));
        for (int step = 0; step < 5; ++step) {
            houses.DataSet()->Next();
            QCOMPARE(houses.Visits()->ParentIdFld()->IsNull() ||
                         houses.Visits()->ParentIdFld()->AsInteger() == shown,
                     true);
            QCOMPARE(houses.Visits()->DataSet()->RecordCount(),
                     ChildCount("housevisits", "HouseId", shown));
        }
    }

    // The follow-up grid's own menu and double-click run the manager's commands.
    void visitMenuAndDoubleClick() {
        const int id = Scalar("select min(HouseId) from housevisits").toInt();
        TScriptedEditorFactory editors;
        TScriptedMessenger messages;
        THouseMgr houses;
        OpenLive(houses, "house");
        QVERIFY(houses.DataSet()->Locate("Id", id));
        THouseVisitGrid grid(houses);
        QCOMPARE(Captions(grid.PopupMenuZy()),
                 (QStringList{"添加", "修改", "删除", "-", "导出到Excel", "导出到Html网页文档"}));
        QCOMPARE(grid.PopupMenu(), grid.PopupMenuZy());
        const int before = grid.RowCount();
        editors.visit.Ok({{"VizType", "电话"}, {"Details", "约周末看房"}, {"Handman", "sa"}});
        Item(grid.PopupMenuZy(), "添加")->trigger();
        QCOMPARE(grid.RowCount(), before + 1);
        QCOMPARE(ChildCount("housevisits", "HouseId", id), before + 1);

        editors.visit.Cancel();
        DoubleClickRow(grid, 0);
        QCOMPARE(editors.visit.shown, 2);
        QCOMPARE(editors.visit.loaded[1]["Details"].toString(),
                 houses.Visits()->DetailFld()->AsString());

        THouseChangeGrid changes(houses);
        QCOMPARE(Captions(changes.PopupMenuZy()),
                 (QStringList{"备注", "-", "导出到Excel", "导出到Html网页文档"}));
    }

    // A layout saved under a grid's number is the layout of the next such grid.
    void storedLayoutIsRead() {
        QVERIFY(TGridLayout::Store(dlHouseDeals, "ClientName=True140\r\nSignDate=True90\r\n"));
        THouseMgr houses;
        OpenLive(houses, "house");
        THouseDealGrid grid(houses);
        QStringList visible;
        for (const TGridColumn& c : grid.Columns())
            if (c.Visible)
                visible << c.FieldName;
        QCOMPARE(visible, (QStringList{"ClientName", "SignDate"}));
        THouseVisitGrid visits(houses);
        QCOMPARE(visits.Columns().size(), 5);
    }

    // The matching clients of each house are exactly those whose wishes it meets,
    // and double-clicking one opens it by its Id.
    void clientsMatchingHouses() {
        THouseMgr houses;
        OpenLive(houses, "house");
        TClientSet all;
        OpenLive(all, "client");
        QList<int> opened;
        TClientMathGrid grid(houses, [&opened](int id) { opened << id; });
        int matched = 0;
        for (int step = 0; step < 40 && !houses.DataSet()->Eof(); ++step) {
            QSet<int> expected;
            for (all.DataSet()->First(); !all.DataSet()->Eof(); all.DataSet()->Next())
                if (Wants(all, houses.RoomFld()->AsInteger(), houses.BuildAreaFld()->AsFloat(),
                          houses.FundFld()->AsFloat() * 10000, houses.RentFundFld()->AsFloat()))
                    expected << all.IdFld()->AsInteger();
            QCOMPARE(Ids(*grid.Matches()), expected);
            if (!expected.isEmpty() && matched++ == 0) {
                const int row = grid.RowCount() - 1;
                DoubleClickRow(grid, row);
                QCOMPARE(grid.Matches()->DataSet()->CurrentRow(), row);
                QCOMPARE(opened, QList<int>{grid.Matches()->IdFld()->AsInteger()});
            }
            houses.DataSet()->Next();
        }
        QVERIFY(matched > 0);
    }

    // The matching houses of each client are exactly those that meet its wishes.
    void housesMatchingClients() {
        TClientMgr clients;
        OpenLive(clients, "client");
        THouseSet all;
        OpenLive(all, "house");
        QList<int> opened;
        THouseMathGrid grid(clients, [&opened](int id) { opened << id; });
        int matched = 0;
        for (int step = 0; step < 40 && !clients.DataSet()->Eof(); ++step) {
            QSet<int> expected;
            for (all.DataSet()->First(); !all.DataSet()->Eof(); all.DataSet()->Next())
                if (Wants(clients, all.RoomFld()->AsInteger(), all.BuildAreaFld()->AsFloat(),
                          all.FundFld()->AsFloat() * 10000, all.RentFundFld()->AsFloat()))
                    expected << all.IdFld()->AsInteger();
            QCOMPARE(Ids(*grid.Matches()), expected);
            matched += expected.isEmpty() ? 0 : 1;
            clients.DataSet()->Next();
        }
        QVERIFY(matched > 0);
        DoubleClickRow(grid, 0);
        QCOMPARE(opened.size(), grid.RowCount() > 0 ? 1 : 0);
    }

    // Without a current record the matching grids show nothing and a double-click
    // opens nothing; a grid gone leaves the manager's slot empty.
    void matchingOverAnEmptyList() {
        THouseMgr houses;
        houses.Open("select * from house where 1=2");
        QList<int> opened;
        {
            TClientMathGrid grid(houses, [&opened](int id) { opened << id; });
            QCOMPARE(grid.RowCount(), 0);
            DoubleClickRow(grid, 0);
            QVERIFY(opened.isEmpty());
        }
        QVERIFY(!houses.AfterScroll());
        OpenLive(houses, "house");
        houses.DataSet()->Next();
    }
};

ORBEL_DB_UI_TEST_MAIN(TstDetailPageGrids)
#include "tst_detailpagegrids.moc"
