#include "ScriptedMessenger.h"
#include "TestDatabase.h"

#include "app/Error.h"
#include "data/Database.h"
#include "data/RecordSet.h"
#include "data/ZyClientDataSet.h"
#include "operators/Operator.h"
#include "toolkit/GridLayout.h"
#include "toolkit/zyDBGrid.h"
#include "toolkit/zyGridHooks.h"
#include "toolkit/zyGridcx.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

struct TSampleRow {
    int id;
    const char* code;
    int room;
    double fund;
};

const TSampleRow kRows[] = {
    {1, "B", 2, 50.5}, {2, "A", 3, 80}, {3, "C", 2, 30.25}, {4, "A", 1, 10}};

// Id (hidden), Code, Room, Fund, Note and a calculated Total, with four rows.
std::unique_ptr<TZyClientDataSet> Sample() {
    auto table = std::make_unique<TZyClientDataSet>();
    TDataSet* ds = table->DataSet();
    ds->AddField(TFieldKind::Integer, QStringLiteral("Id"), -1, false);
    ds->AddField(TFieldKind::WideString, QStringLiteral("Code"), 10, true, QStringLiteral("编号"));
    ds->AddField(TFieldKind::Integer, QStringLiteral("Room"), -1, true, QStringLiteral("室"));
    ds->AddField(TFieldKind::Float, QStringLiteral("Fund"), -1, true, QStringLiteral("售价"));
    ds->AddField(TFieldKind::WideString, QStringLiteral("Note"), 30, true, QStringLiteral("备注"));
    TField* total =
        ds->AddField(TFieldKind::Float, QStringLiteral("Total"), -1, true, QStringLiteral("合计"));
    total->SetCalculated(true);
    ds->SetCalcHandler([ds] {
        ds->FieldByName(QStringLiteral("Total"))
            ->SetValue(ds->FieldByName(QStringLiteral("Fund"))->AsFloat() * 2);
    });
    ds->CreateDataSet();
    for (const TSampleRow& r : kRows) {
        ds->Append();
        ds->FieldByName(QStringLiteral("Id"))->SetValue(r.id);
        ds->FieldByName(QStringLiteral("Code"))->SetValue(QString::fromLatin1(r.code));
        ds->FieldByName(QStringLiteral("Room"))->SetValue(r.room);
        ds->FieldByName(QStringLiteral("Fund"))->SetValue(r.fund);
        ds->Post();
    }
    ds->First();
    return table;
}

QList<int> Ids(TDataSet* ds) {
    QList<int> ids;
    for (int r = 0; r < ds->RecordCount(); ++r)
        ids << ds->ValueAt(r, 0).toInt();
    return ids;
}

QStringList Order(const TzyGridBase& grid) {
    QStringList names;
    for (const TGridColumn& c : grid.Columns())
        names << c.FieldName;
    return names;
}

int Column(const TzyGridBase& grid, const QString& field) {
    return grid.Model()->ColumnOfField(field);
}

int StoredRows(int number) {
    TRecordSet& scratch = ScratchSet();
    scratch.Open(QStringLiteral("select count(*) from syscols where F02=:Id"),
                 {Param(QStringLiteral("Id"), number)});
    const int n = scratch.DataSet()->Field(0)->AsInteger();
    scratch.Close();
    return n;
}

// Leaves the hooks as a test found them.
struct THookGuard {
    ~THookGuard() {
        TzyGridHooks::SortDialog = nullptr;
        TzyGridHooks::ColumnDialog = nullptr;
    }
};

} // namespace

class TstGrids : public QObject {
    Q_OBJECT
  private slots:
    void init() {
        FreshDatabase(TTestContent::Tables);
        CurrentOperator() = TOperator();
        CurrentOperator().LoginId = QStringLiteral("sa");
    }

    void defaultColumnsFollowVisibleFields() {
        auto table = Sample();
        TzyDBGrid grid;
        grid.SetDataSet(table->DataSet());
        QCOMPARE(Order(grid), QStringList({"Code", "Room", "Fund", "Note", "Total"}));
        QCOMPARE(grid.ColumnOf(QStringLiteral("code"))->Caption, QStringLiteral("编号"));
        QVERIFY(grid.ColumnOf(QStringLiteral("Code"))->TitleButton);
        QVERIFY(!grid.ColumnOf(QStringLiteral("Total"))->TitleButton);
        QVERIFY(!grid.ColumnOf(QStringLiteral("Id")));
        // Wider display widths give wider columns.
        QVERIFY(grid.ColumnOf(QStringLiteral("Note"))->Width >
                grid.ColumnOf(QStringLiteral("Room"))->Width);
        QCOMPARE(grid.Model()->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(),
                 QStringLiteral("编号"));
        const QModelIndex fund = grid.Model()->index(0, Column(grid, QStringLiteral("Fund")));
        QVERIFY(grid.Model()->data(fund, Qt::TextAlignmentRole).toInt() & Qt::AlignRight);
        QCOMPARE(grid.Model()->data(fund, Qt::DisplayRole).toString(), QStringLiteral("50.5"));
        QCOMPARE(grid.Model()
                     ->data(grid.Model()->index(0, Column(grid, QStringLiteral("Total"))),
                            Qt::DisplayRole)
                     .toString(),
                 QStringLiteral("101"));
    }

    void titleClicksBuildTheSortText_data() {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QString>("sort");
        QTest::addColumn<QList<int>>("ids");
        QTest::newRow("none") << QStringList() << "" << QList<int>{1, 2, 3, 4};
        QTest::newRow("ascending") << QStringList{"Code"} << "Code" << QList<int>{2, 4, 1, 3};
        QTest::newRow("descending alone keeps its separator")
            << QStringList{"Code", "Code"} << "Code DESC " << QList<int>{3, 1, 2, 4};
        QTest::newRow("three clicks unsort")
            << QStringList{"Code", "Code", "Code"} << "" << QList<int>{1, 2, 3, 4};
        QTest::newRow("descending then second column")
            << QStringList{"Code", "Code", "Room"} << "Code DESC , Room" << QList<int>{3, 1, 4, 2};
        QTest::newRow("marking order decides priority")
            << QStringList{"Room", "Code", "Code"} << "Room, Code DESC " << QList<int>{4, 3, 1, 2};
        QTest::newRow("unmarking keeps the others")
            << QStringList{"Code", "Room", "Code", "Code"} << "Room" << QList<int>{4, 1, 3, 2};
        QTest::newRow("calculated title does not sort")
            << QStringList{"Total"} << "" << QList<int>{1, 2, 3, 4};
    }
    void titleClicksBuildTheSortText() {
        QFETCH(QStringList, clicks);
        QFETCH(QString, sort);
        QFETCH(QList<int>, ids);
        auto table = Sample();
        TzyDBGrid grid;
        grid.SetDataSet(table->DataSet());
        for (const QString& field : clicks)
            grid.TitleClick(Column(grid, field));
        QCOMPARE(table->DataSet()->Sort(), sort);
        QCOMPARE(Ids(table->DataSet()), ids);
    }

    void markersShowInTitles() {
        auto table = Sample();
        TzyDBGrid grid;
        grid.SetDataSet(table->DataSet());
        const int code = Column(grid, QStringLiteral("Code"));
        const int room = Column(grid, QStringLiteral("Room"));
        grid.TitleClick(code);
        grid.TitleClick(code);
        grid.TitleClick(room);
        QCOMPARE(grid.Columns()[code].Marker, TSortMarker::Descending);
        QCOMPARE(grid.Columns()[room].Marker, TSortMarker::Ascending);
        QVERIFY(grid.Model()->headerData(code, Qt::Horizontal, Qt::DisplayRole).toString() !=
                grid.Model()->headerData(room, Qt::Horizontal, Qt::DisplayRole).toString().left(1));
        // Rebuilding the columns keeps the markers of the data set's sort order.
        grid.ApplyLayout(QStringLiteral("Room=True40\r\n"));
        QCOMPARE(grid.ColumnOf(QStringLiteral("Code"))->Marker, TSortMarker::Descending);
        QCOMPARE(grid.ColumnOf(QStringLiteral("Room"))->Marker, TSortMarker::Ascending);
        grid.TitleClick(Column(grid, QStringLiteral("Fund")));
        QCOMPARE(table->DataSet()->Sort(), QStringLiteral("Code DESC , Room, Fund"));
    }

    void titleClickOnClosedDataSetDoesNothing() {
        auto table = Sample();
        TzyDBGrid grid;
        grid.SetDataSet(table->DataSet());
        table->DataSet()->Close();
        grid.TitleClick(Column(grid, QStringLiteral("Code")));
        QCOMPARE(grid.ColumnOf(QStringLiteral("Code"))->Marker, TSortMarker::None);
        QCOMPARE(table->DataSet()->Sort(), QString());
    }

    void layoutTextFormat() {
        QList<TGridColumn> columns(2);
        columns[0].FieldName = QStringLiteral("Code");
        columns[0].Width = 50;
        columns[1].FieldName = QStringLiteral("Note");
        columns[1].Width = 120;
        columns[1].Visible = false;
        QCOMPARE(TGridLayout::Format(columns), QStringLiteral("Code=True50\r\nNote=False120\r\n"));
        QCOMPARE(TGridLayout::Format({}), QString());
    }

    // `expected` is the layout text after applying; {Name} stands for the
    // default width of that field's column.
    void applyLayoutToDBGrid_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        const QString defaults = "Code=True{Code}\r\nRoom=True{Room}\r\nFund=True{Fund}\r\n"
                                 "Note=True{Note}\r\nTotal=True{Total}\r\n";
        QTest::newRow("empty keeps defaults") << "" << defaults;
        QTest::newRow("full round trip")
            << "Note=True90\r\nCode=False50\r\nTotal=True30\r\nFund=True70\r\nRoom=False60\r\n"
            << "Note=True90\r\nCode=False50\r\nTotal=True30\r\nFund=True70\r\nRoom=False60\r\n";
        QTest::newRow("listed first, others keep defaults and follow")
            << "Fund=True70\r\nRoom=False60\r\n"
            << "Fund=True70\r\nRoom=False60\r\nCode=True{Code}\r\nNote=True{Note}\r\n"
               "Total=True{Total}\r\n";
        QTest::newRow("lower case false")
            << "Room=false60"
            << "Room=False60\r\nCode=True{Code}\r\nFund=True{Fund}\r\nNote=True{Note}\r\n"
               "Total=True{Total}\r\n";
        QTest::newRow("lower case true hides too")
            << "Code=true45\n"
            << QString(defaults).replace("Code=True{Code}", "Code=False45");
        QTest::newRow("names without regard to case, unknown lines ignored")
            << "Gone=True10\r\nnote=True99\r\n"
            << "Note=True99\r\nCode=True{Code}\r\nRoom=True{Room}\r\nFund=True{Fund}\r\n"
               "Total=True{Total}\r\n";
        // Columns are read in column order: Code is applied, Room stops the
        // reading, Fund and Total are never reached and nothing moves.
        QTest::newRow("bad width stops, earlier columns stay, order untouched")
            << "Total=True33\r\nCode=True50\r\nRoom=Truex\r\nFund=False30\r\n"
            << "Code=True50\r\nRoom=True{Room}\r\nFund=True{Fund}\r\nNote=True{Note}\r\n"
               "Total=True{Total}\r\n";
        QTest::newRow("missing width stops")
            << "Code=False\r\nRoom=True40\r\n"
            << QString(defaults).replace("Code=True{Code}", "Code=False{Code}");
        QTest::newRow("line without = is skipped")
            << "junk\r\nNote=True80\r\nNote=False10\r\n"
            << "Note=True80\r\nCode=True{Code}\r\nRoom=True{Room}\r\nFund=True{Fund}\r\n"
               "Total=True{Total}\r\n";
    }
    void applyLayoutToDBGrid() {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        auto table = Sample();
        TzyDBGrid grid;
        grid.SetDataSet(table->DataSet());
        for (const TGridColumn& c : grid.Columns())
            expected.replace(u'{' + c.FieldName + u'}', QString::number(c.Width));
        grid.ApplyLayout(text);
        QCOMPARE(grid.LayoutText(), expected);
        for (int c = 0; c < grid.Columns().size(); ++c) {
            QCOMPARE(grid.isColumnHidden(c), !grid.Columns()[c].Visible);
            if (grid.Columns()[c].Visible)
                QCOMPARE(grid.columnWidth(c), grid.Columns()[c].Width);
        }
    }

    void gridcxHidesUnlistedFields() {
        auto table = Sample();
        TzyGridcx grid;
        grid.SetDataSet(table->DataSet());
        for (const TGridColumn& c : grid.Columns())
            QVERIFY(c.Visible);
        grid.SetLayout(QStringLiteral("Fund=True70\r\nCode=True50\r\n"));
        QVERIFY(grid.Layout().startsWith(QStringLiteral("Fund=True70\r\nCode=True50\r\n")));
        QCOMPARE(Order(grid).mid(0, 2), QStringList({"Fund", "Code"}));
        for (const QString& hidden : QStringList{"Room", "Note", "Total"}) {
            QVERIFY(!grid.Columns()[Column(grid, hidden)].Visible);
            QVERIFY(grid.isColumnHidden(Column(grid, hidden)));
        }
        QVERIFY(!grid.isColumnHidden(0));
        grid.SetLayout(QString());
        for (int c = 0; c < grid.Columns().size(); ++c)
            QVERIFY(!grid.isColumnHidden(c));
    }

    void gridcxAddColumnKeepsItsMinimumWidth() {
        auto table = Sample();
        TzyGridcx grid;
        grid.SetDataSet(table->DataSet());
        grid.SetLayout(QStringLiteral("Code=True50\r\n"));
        grid.AddColumn(QStringLiteral("Note"), 90);
        const int note = int(grid.Columns().size()) - 1;
        QCOMPARE(grid.Columns()[note].Caption, QStringLiteral("备注"));
        QCOMPARE(grid.columnWidth(note), 90);
        grid.horizontalHeader()->resizeSection(note, 40);
        QCOMPARE(grid.columnWidth(note), 90);
        grid.horizontalHeader()->resizeSection(note, 120);
        QCOMPARE(grid.Columns()[note].Width, 120);
        QVERIFY(grid.Layout().endsWith(QStringLiteral("Note=True120\r\n")));
    }

    void draggingATitleMovesTheColumn() {
        auto table = Sample();
        TzyDBGrid grid;
        grid.SetDataSet(table->DataSet());
        QAbstractItemModelTester tester(grid.Model());
        grid.horizontalHeader()->moveSection(0, 2);
        QCOMPARE(Order(grid), QStringList({"Room", "Fund", "Code", "Note", "Total"}));
        QCOMPARE(grid.horizontalHeader()->visualIndex(2), 2);
        QVERIFY(grid.LayoutText().startsWith(QStringLiteral("Room=")));
        QCOMPARE(grid.Model()->data(grid.Model()->index(0, 2), Qt::DisplayRole).toString(),
                 QStringLiteral("B"));
    }

    void storeInsertsThenUpdates() {
        auto table = Sample();
        TzyDBGrid grid;
        grid.SetDataSet(table->DataSet());
        grid.ApplyLayout(QStringLiteral("Note=False80\r\nCode=True55\r\n"));
        QVERIFY(grid.StoreLayout(7));
        QCOMPARE(StoredRows(7), 1);
        QCOMPARE(TGridLayout::Load(7), grid.LayoutText());
        grid.ApplyLayout(QStringLiteral("Room=True44\r\n"));
        QVERIFY(grid.StoreLayout(7));
        QCOMPARE(StoredRows(7), 1);
        QCOMPARE(TGridLayout::Load(7), grid.LayoutText());
        QCOMPARE(TGridLayout::Load(8), QString());

        TzyDBGrid other;
        other.SetDataSet(table->DataSet());
        other.SetLayoutId(7);
        QCOMPARE(other.LayoutText(), grid.LayoutText());
        other.SetLayoutId(8); // nothing stored: defaults
        other.DefaultColumns();
        const QString defaults = other.LayoutText();
        other.SetLayoutId(8);
        QCOMPARE(other.LayoutText(), defaults);
    }

    void longLayoutTextsSurviveStorage() {
        TZyClientDataSet table;
        for (int i = 0; i < 60; ++i)
            table.DataSet()->AddField(TFieldKind::WideString,
                                      QStringLiteral("LongFieldName%1").arg(i), 20);
        table.CreateDataSet();
        TzyGridcx grid;
        grid.SetDataSet(table.DataSet());
        QVERIFY(grid.Layout().size() > 1000);
        grid.SetTag(31);
        QVERIFY(grid.StoreLayout(31));
        QCOMPARE(TGridLayout::Load(31), grid.Layout());
    }

    void saveLayoutCommands() {
        THookGuard guard;
        TScriptedMessenger messenger;
        auto table = Sample();
        TzyDBGrid grid;
        grid.SetDataSet(table->DataSet());
        grid.SetTag(9);
        grid.ActionTableStyleSave()->trigger();
        QCOMPARE(messenger.shown.size(), 1);
        QVERIFY(messenger.Last().contains(QStringLiteral("列样式保存成功.")));
        QCOMPARE(StoredRows(9), 1);
        grid.SetLayoutId(5);
        grid.SaveLayoutClick();
        QCOMPARE(StoredRows(5), 1);

        TzyGridcx detail;
        detail.SetDataSet(table->DataSet());
        messenger.Clear();
        detail.SetTag(TGridLayout::kClientList);
        detail.SaveLayoutClick();
        QCOMPARE(StoredRows(TGridLayout::kClientList), 0);
        QVERIFY(messenger.shown.isEmpty());
        detail.SetTag(12);
        detail.SaveLayoutClick();
        QCOMPARE(StoredRows(12), 1);
        QVERIFY(messenger.Last().contains(QStringLiteral("列样式保存成功.")));

        // Without the right the refusal is shown and nothing is written.
        CurrentOperator().LoginId = QStringLiteral("clerk");
        CurrentOperator().Rights = QStringLiteral(",10004,10008,");
        messenger.Clear();
        grid.SetLayoutId(6);
        grid.ActionTableStyleSave()->trigger();
        detail.SetTag(13);
        detail.ActionTableStyleSave()->trigger();
        QCOMPARE(messenger.shown.size(), 2);
        for (const QString& text : messenger.shown)
            QVERIFY(text.contains(QStringLiteral("请与管理员联系(10006).")));
        QCOMPARE(StoredRows(6) + StoredRows(13), 0);
        CurrentOperator().Rights = QStringLiteral(",10006,");
        grid.ActionTableStyleSave()->trigger();
        QCOMPARE(StoredRows(6), 1);
    }

    void failingStoreShowsTheErrorNotSuccess() {
        TScriptedMessenger messenger;
        auto table = Sample();
        TzyDBGrid grid;
        grid.SetDataSet(table->DataSet());
        grid.SetTag(4);
        DbConnection().Execute(QStringLiteral("drop table syscols"));
        grid.ActionTableStyleSave()->trigger();
        QVERIFY(!messenger.shown.isEmpty());
        for (const QString& text : messenger.shown)
            QVERIFY(!text.contains(QStringLiteral("列样式保存成功.")));
    }

    void rowNumbersAndBoldFocusedRow() {
        auto table = Sample();
        TzyGridcx grid;
        grid.SetDataSet(table->DataSet());
        TDataSetModel* model = grid.Model();
        QCOMPARE(TzyGridcx::RowNumberTitle(), QStringLiteral("NO"));
        QCOMPARE(model->headerData(0, Qt::Vertical, Qt::DisplayRole).toInt(), 1);
        QCOMPARE(model->headerData(3, Qt::Vertical, Qt::DisplayRole).toInt(), 4);
        auto bold = [model](int row) {
            return model->headerData(row, Qt::Vertical, Qt::FontRole).value<QFont>().bold();
        };
        QVERIFY(bold(0));
        QVERIFY(!bold(2));
        QSignalSpy headers(model, &QAbstractItemModel::headerDataChanged);
        table->DataSet()->SetCurrentRow(2);
        QVERIFY(bold(2));
        QVERIFY(!bold(0));
        QVERIFY(headers.size() >= 2);
        QVERIFY(grid.verticalHeader()->width() >= 30);
    }

    void alternateRowColour() {
        auto table = Sample();
        TzyGridcx grid;
        grid.SetDataSet(table->DataSet());
        const QColor tint(255, 251, 240);
        for (int row = 0; row < 4; ++row) {
            const QVariant bg = grid.Model()->data(grid.Model()->index(row, 1), Qt::BackgroundRole);
            if (row % 2 == 0)
                QCOMPARE(bg.value<QColor>(), tint);
            else
                QVERIFY(!bg.isValid());
        }
        TzyDBGrid plain;
        plain.SetDataSet(table->DataSet());
        QVERIFY(!plain.Model()->data(plain.Model()->index(0, 0), Qt::BackgroundRole).isValid());
    }

    void gridcxIsReadOnlySingleRow() {
        auto table = Sample();
        TzyGridcx grid;
        grid.SetDataSet(table->DataSet());
        QCOMPARE(grid.RowCount(), 4);
        QCOMPARE(grid.selectionMode(), QAbstractItemView::SingleSelection);
        QCOMPARE(grid.editTriggers(), QAbstractItemView::NoEditTriggers);
        QVERIFY(!(grid.Model()->flags(grid.Model()->index(0, 0)) & Qt::ItemIsEditable));
        QSignalSpy selected(&grid, &TzyGridcx::SelectChanged);
        grid.selectRow(2);
        QCOMPARE(grid.SelectedCount(), 1);
        QCOMPARE(table->DataSet()->CurrentRow(), 2);
        QCOMPARE(selected.size(), 1);
        QCOMPARE(selected[0][1].toBool(), true);
    }

    void clicksReportTheCellsField() {
        auto table = Sample();
        TzyGridcx grid;
        grid.SetDataSet(table->DataSet());
        grid.resize(500, 200);
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        QStringList events;
        connect(&grid, &TzyGridcx::DblClick, this, [&](TzyGridcx* g) {
            QCOMPARE(g, &grid);
            events << QStringLiteral("dbl");
        });
        connect(&grid, &TzyGridcx::CellDblClick, this,
                [&](TField* f) { events << QStringLiteral("celldbl ") + f->FieldName(); });
        connect(&grid, &TzyGridcx::CellClick, this,
                [&](TField* f) { events << QStringLiteral("cell ") + f->FieldName(); });
        const int fund = Column(grid, QStringLiteral("Fund"));
        const QPoint cell = grid.visualRect(grid.Model()->index(1, fund)).center();
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cell);
        QCOMPARE(events, QStringList({"cell Fund"}));
        QCOMPARE(table->DataSet()->CurrentRow(), 1);
        events.clear();
        QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, cell);
        QCOMPARE(events.mid(events.indexOf("dbl")), QStringList({"dbl", "celldbl Fund"}));
    }

    void keysMoveOverVisibleColumnsAndRecords() {
        auto table = Sample();
        TDataSet* ds = table->DataSet();
        TzyDBGrid grid;
        grid.SetDataSet(ds);
        grid.ApplyLayout(QStringLiteral("Code=True50\r\nRoom=False40\r\nFund=True60\r\n"
                                        "Note=False60\r\nTotal=False60\r\n"));
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        qRegisterMetaType<QKeyEvent*>();
        QSignalSpy keys(&grid, &TzyDBGrid::KeyDown);
        QCOMPARE(grid.currentIndex().column(), 0);
        QTest::keyClick(&grid, Qt::Key_Right);
        QCOMPARE(grid.currentIndex().column(), 2); // Room is hidden
        QTest::keyClick(&grid, Qt::Key_Right);
        QCOMPARE(grid.currentIndex().column(), 2); // no visible column further right
        QTest::keyClick(&grid, Qt::Key_Left);
        QCOMPARE(grid.currentIndex().column(), 0);
        QTest::keyClick(&grid, Qt::Key_Left);
        QCOMPARE(grid.currentIndex().column(), 0);
        QTest::keyClick(&grid, Qt::Key_Down);
        QCOMPARE(ds->CurrentRow(), 1);
        QCOMPARE(grid.currentIndex().row(), 1);
        QTest::keyClick(&grid, Qt::Key_Up);
        QTest::keyClick(&grid, Qt::Key_Up);
        QCOMPARE(ds->CurrentRow(), 0);
        ds->Last();
        QTest::keyClick(&grid, Qt::Key_Down);
        QCOMPARE(ds->CurrentRow(), 3);
        QTest::keyClick(&grid, Qt::Key_F5);
        QCOMPARE(keys.size(), 9);
    }

    void sumFooterFollowsTheData() {
        auto table = Sample();
        TDataSet* ds = table->DataSet();
        ds->FieldByName(QStringLiteral("Fund"))->SetDisplayFormat(QStringLiteral("0.00"));
        TzyDBGrid grid;
        grid.SetDataSet(ds);
        grid.SumFooter(QStringLiteral("Missing"));
        QCOMPARE(grid.FooterText(QStringLiteral("Fund")), QString());
        grid.SumFooter(QStringLiteral("Fund"));
        grid.SumFooter(QStringLiteral("Room"));
        QCOMPARE(grid.FooterText(QStringLiteral("Fund")), QStringLiteral("170.75"));
        QCOMPARE(grid.FooterText(QStringLiteral("Room")), QStringLiteral("8"));
        QCOMPARE(grid.FooterText(QStringLiteral("Code")), QString());
        ds->Append();
        ds->FieldByName(QStringLiteral("Fund"))->SetValue(9.25);
        ds->Post();
        QCOMPARE(grid.FooterText(QStringLiteral("Fund")), QStringLiteral("180.00"));
        ds->First();
        ds->Delete();
        QCOMPARE(grid.FooterText(QStringLiteral("Fund")), QStringLiteral("129.50"));
        // The sums stay with their fields when a layout rebuilds the columns.
        grid.ApplyLayout(QStringLiteral("Fund=True80\r\n"));
        QCOMPARE(grid.FooterText(QStringLiteral("Fund")), QStringLiteral("129.50"));
    }

    void modelFollowsTheDataSet() {
        auto table = Sample();
        TDataSet* ds = table->DataSet();
        TzyDBGrid grid;
        grid.SetDataSet(ds);
        TDataSetModel* model = grid.Model();
        QAbstractItemModelTester tester(model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy inserted(model, &QAbstractItemModel::rowsInserted);
        QSignalSpy removed(model, &QAbstractItemModel::rowsRemoved);
        QSignalSpy changed(model, &QAbstractItemModel::dataChanged);
        const int code = Column(grid, QStringLiteral("Code"));
        auto text = [&](int row) {
            return model->data(model->index(row, code), Qt::DisplayRole).toString();
        };

        ds->Append();
        ds->FieldByName(QStringLiteral("Code"))->SetValue(QStringLiteral("新"));
        QCOMPARE(model->rowCount(), 4); // not before it is posted
        ds->Post();
        QCOMPARE(model->rowCount(), 5);
        QCOMPARE(inserted.size(), 1);
        QCOMPARE(text(4), QStringLiteral("新"));

        ds->SetCurrentRow(1);
        ds->Edit();
        ds->FieldByName(QStringLiteral("Code"))->SetValue(QStringLiteral("改"));
        ds->Post();
        QCOMPARE(changed.size(), 1);
        QCOMPARE(changed[0][0].value<QModelIndex>().row(), 1);
        QCOMPARE(text(1), QStringLiteral("改"));

        ds->Last();
        ds->Delete(); // the last row
        QCOMPARE(model->rowCount(), 4);
        ds->First();
        ds->Delete();
        QCOMPARE(removed.size(), 2);
        QCOMPARE(model->rowCount(), 3);
        QCOMPARE(text(0), QStringLiteral("改"));

        ds->SetFilter(QStringLiteral("Room=2"));
        ds->SetFiltered(true);
        QCOMPARE(model->rowCount(), 1);
        ds->SetFiltered(false);
        ds->DisableControls();
        ds->DeleteAllRows();
        ds->EnableControls();
        QCOMPARE(model->rowCount(), 0);
        ds->Close();
        QCOMPARE(model->rowCount(), 0);
    }

    void currentRowBothWays() {
        auto table = Sample();
        TDataSet* ds = table->DataSet();
        TzyDBGrid grid;
        grid.SetDataSet(ds);
        QCOMPARE(grid.currentIndex().row(), 0);
        ds->SetCurrentRow(3);
        QCOMPARE(grid.currentIndex().row(), 3);
        grid.setCurrentIndex(grid.Model()->index(1, 2));
        QCOMPARE(ds->CurrentRow(), 1);
        QCOMPARE(ds->FieldByName(QStringLiteral("Id"))->AsInteger(), 2);
        // Sorting keeps the same record current, and the view follows it.
        grid.TitleClick(Column(grid, QStringLiteral("Fund")));
        QCOMPARE(ds->FieldByName(QStringLiteral("Id"))->AsInteger(), 2);
        QCOMPARE(grid.currentIndex().row(), ds->CurrentRow());
        QCOMPARE(ds->CurrentRow(), 3);
        // A reopened data set starts at its first row.
        std::vector<TRow> rows(2);
        rows[0].values = {7, QStringLiteral("X"), 1, 1.0, QVariant(), QVariant()};
        rows[1].values = {8, QStringLiteral("Y"), 2, 2.0, QVariant(), QVariant()};
        ds->Load(std::move(rows));
        QCOMPARE(grid.currentIndex().row(), 0);
        QCOMPARE(grid.Model()->rowCount(), 2);
    }

    void columnsFollowNewFields() {
        TRecordSet set;
        set.Open(QStringLiteral("select 1 as A, 'x' as B"));
        TzyGridcx grid;
        grid.SetDataSet(set.DataSet());
        QCOMPARE(grid.Columns().size(), 2);
        set.Open(QStringLiteral("select 1 as C, 2 as D, 3 as E"));
        // The server engine folds unquoted names to lower case.
        QCOMPARE(Order(grid).join(u',').toUpper(), QStringLiteral("C,D,E"));
        QCOMPARE(grid.Model()->data(grid.Model()->index(0, 2), Qt::DisplayRole).toString(),
                 QStringLiteral("3"));
    }

    void sortCommandMessages() {
        THookGuard guard;
        TScriptedMessenger messenger;
        TzyDBGrid grid;
        TzyGridcx detail;
        QVERIFY(!grid.ActionSort()->isEnabled());
        grid.SortClick();
        detail.SortClick();
        auto table = Sample();
        table->DataSet()->Close();
        grid.SetDataSet(table->DataSet());
        detail.SetDataSet(table->DataSet());
        grid.SortClick();
        detail.SortClick();
        QCOMPARE(messenger.shown.size(), 4);
        QVERIFY(messenger.shown[0].contains(
            QStringLiteral("系统错误: 没有为DBGrid.DataSource指定DataSet对象,请与作者联系!")));
        QVERIFY(messenger.shown[1].contains(
            QStringLiteral("系统错误: 没有为TzyGridcx.DataSource指定DataSet对象,请与作者联系!")));
        QVERIFY(messenger.shown[2].contains(QStringLiteral("系统提示: 请先打开数据再操作!")));
        QVERIFY(messenger.shown[3].contains(QStringLiteral("系统提示: 请先打开数据再操作!")));

        auto open = Sample();
        grid.SetDataSet(open->DataSet());
        QString offered;
        TDataSet* given = nullptr;
        TzyGridHooks::SortDialog = [&](QWidget*, TDataSet* ds, QString& sort) {
            offered = sort;
            given = ds;
            sort = QStringLiteral("Room DESC,Code ASC");
            return true;
        };
        grid.TitleClick(Column(grid, QStringLiteral("Fund")));
        emit grid.PopupMenuZy()->aboutToShow();
        QVERIFY(grid.ActionSort()->isEnabled());
        grid.ActionSort()->trigger();
        QCOMPARE(offered, QStringLiteral("Fund"));
        QCOMPARE(given, open->DataSet());
        QCOMPARE(open->DataSet()->Sort(), QStringLiteral("Room DESC,Code ASC"));
        QCOMPARE(grid.ColumnOf(QStringLiteral("Room"))->Marker, TSortMarker::Descending);
        QCOMPARE(grid.ColumnOf(QStringLiteral("Fund"))->Marker, TSortMarker::None);
        // Title clicks go on from the markers the dialog left.
        grid.TitleClick(Column(grid, QStringLiteral("Fund")));
        QCOMPARE(open->DataSet()->Sort(), QStringLiteral("Room DESC , Code, Fund"));
    }

    void menuAndColumnCommand() {
        THookGuard guard;
        auto table = Sample();
        TzyDBGrid grid;
        grid.SetDataSet(table->DataSet());
        QStringList captions;
        for (QAction* a : grid.PopupMenuZy()->actions())
            captions << (a->isSeparator() ? QStringLiteral("-") : a->text());
        QCOMPARE(captions, QStringList({"排序", "-", "列选择", "保存表格样式", "-",
                                        "导出到Excel文档", "导出到Html网页文件"}));
        QCOMPARE(grid.ActionExport()->text(), QStringLiteral("导出"));
        QVERIFY(grid.ActionTableStyleSave()->isEnabled());
        QVERIFY(!grid.ActionColVisible()->isEnabled());

        TScriptedMessenger messenger;
        CurrentOperator().LoginId = QStringLiteral("clerk");
        CurrentOperator().Rights = QStringLiteral(",10006,");
        int opened = 0;
        TzyGridHooks::ColumnDialog = [&opened](QWidget*, QList<TColumnItem>& items) {
            ++opened;
            for (TColumnItem& item : items)
                item.Visible = item.Caption != QStringLiteral("室");
            return true;
        };
        grid.horizontalHeader()->resizeSection(0, 77);
        emit grid.PopupMenuZy()->aboutToShow(); // the menu offers the installed dialog
        QVERIFY(grid.ActionColVisible()->isEnabled());
        grid.ActionColVisible()->trigger();
        QCOMPARE(opened, 0);
        QVERIFY(messenger.Last().contains(QStringLiteral("请与管理员联系(10008).")));
        CurrentOperator().Rights = QStringLiteral(",10008,");
        grid.ActionColVisible()->trigger();
        QCOMPARE(opened, 1);
        QVERIFY(grid.isColumnHidden(Column(grid, QStringLiteral("Room"))));
        QVERIFY(!grid.ColumnOf(QStringLiteral("Room"))->Visible);
        QCOMPARE(grid.columnWidth(0), 77); // widths and order stay
        QCOMPARE(Order(grid), QStringList({"Code", "Room", "Fund", "Note", "Total"}));
    }

    // The model reads rows on demand: a view over 100,000 rows asks for the
    // rows it shows, not for every row, wherever it is scrolled.
    void largeDataSetIsReadOnDemand() {
        TZyClientDataSet table;
        TDataSet* ds = table.DataSet();
        ds->AddField(TFieldKind::Integer, QStringLiteral("N"));
        TField* calc = ds->AddField(TFieldKind::WideString, QStringLiteral("Shown"));
        calc->SetCalculated(true);
        int reads = 0;
        ds->SetCalcHandler([&] {
            ++reads;
            calc->SetValue(QString::number(ds->Field(0)->AsInteger()));
        });
        std::vector<TRow> rows(100000);
        for (int i = 0; i < 100000; ++i)
            rows[size_t(i)].values = {i, QVariant()};
        ds->Load(std::move(rows));

        TzyDBGrid grid;
        grid.resize(400, 300);
        grid.SetDataSet(ds);
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        QCOMPARE(grid.Model()->rowCount(), 100000);
        QVERIFY2(reads < 100, qPrintable(QString::number(reads)));
        reads = 0;
        ds->Last();
        QApplication::processEvents();
        QCOMPARE(grid.currentIndex().row(), 99999);
        QCOMPARE(grid.Model()->data(grid.Model()->index(99999, 1), Qt::DisplayRole).toString(),
                 QStringLiteral("99999"));
        QVERIFY2(reads < 100, qPrintable(QString::number(reads)));
    }
};

ORBEL_DB_UI_TEST_MAIN(TstGrids)
#include "tst_grids.moc"
