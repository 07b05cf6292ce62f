#include "TestDatabase.h"

#include "data/Database.h"
#include "operations/HouseDealHintSet.h"
#include "operators/OperatorSet.h"
#include "records/HouseSet.h"
#include "records/HouseVisitSet.h"
#include "screens/DetailGrid.h"

#include <QHeaderView>
#include <QTest>

namespace {
QStringList ColumnFields(const TDetailGrid& grid) {
    QStringList names;
    for (const TGridColumn& column : grid.Columns())
        names << column.FieldName;
    return names;
}
} // namespace

class TstDetailGrid : public QObject {
    Q_OBJECT
  private slots:
    void init() { FreshDatabase(TTestContent::Demo); }

    // A binding shows exactly its columns, captioned by the fields' labels,
    // and keeps them when the set is reopened or rebound to another kind.
    void BindingChoosesColumns() {
        THouseSet houses;
        houses.Open(QStringLiteral("select * from house order by Id"));
        TDetailGrid grid;
        grid.SetHouseSet(&houses);
        QCOMPARE(ColumnFields(grid),
                 (QStringList{"Code", "HouseName", "RoomTypeCalc", "AreaCalc", "DealType", "Fund",
                              "RentFund", "FloorStr", "Address", "Billman", "Broker"}));
        QCOMPARE(grid.Columns().first().Caption, QStringLiteral("编号"));
        QCOMPARE(grid.Columns().first().Width, 50);
        QVERIFY(grid.RowCount() > 0);

        houses.Open(QStringLiteral("select * from house where Room=2"));
        QCOMPARE(grid.Columns().size(), 11);

        THouseVisitSet visits;
        grid.SetVisits(&visits);
        QCOMPARE(ColumnFields(grid),
                 (QStringList{"VizDate", "Details", "VizType", "Handman", "Billman"}));
        // Details is hidden in the set's own field list but listed here.
        QVERIFY(grid.Columns()[1].Visible);
    }

    // The operator binding never offers the password column.
    void OperatorsWithoutPassword() {
        TOperatorSet operators;
        TDetailGrid grid;
        grid.SetOperatorSet(&operators);
        QVERIFY(!ColumnFields(grid).contains(QStringLiteral("Password")));
        QCOMPARE(ColumnFields(grid).size(), 4);
    }

    // Reminder grids spread their columns over the whole width in proportion.
    void HintColumnsStretch() {
        THouseDealHintSet hints;
        TDetailGrid grid;
        grid.SetDealHints(&hints);
        grid.resize(1260, 300);
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        int sum = 0;
        for (int c = 0; c < grid.Columns().size(); ++c)
            sum += grid.columnWidth(c);
        QCOMPARE(sum, grid.viewport()->width());
        QVERIFY(grid.columnWidth(5) > grid.columnWidth(1) * 5); // 180 against 30
    }
};

ORBEL_DB_UI_TEST_MAIN(TstDetailGrid)
#include "tst_detailgrid.moc"
