#include "ScriptedMessenger.h"

#include "app/Error.h"
#include "data/ZyClientDataSet.h"
#include "toolkit/zyDBGrid.h"
#include "toolkit/zyGridHooks.h"
#include "toolkit/zyGridcx.h"

#include <QAction>
#include <QApplication>
#include <QItemSelectionModel>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

// Id (hidden), Code, Room, Note and a calculated Total; rows A1..A4 with rooms 1..4.
std::unique_ptr<TZyClientDataSet> Rows() {
    auto table = std::make_unique<TZyClientDataSet>();
    TDataSet* ds = table->DataSet();
    ds->AddField(TFieldKind::Integer, QStringLiteral("Id"), -1, false);
    ds->AddField(TFieldKind::WideString, QStringLiteral("Code"), 10, true, QStringLiteral("编号"));
    ds->AddField(TFieldKind::Integer, QStringLiteral("Room"), -1, true, QStringLiteral("室"));
    ds->AddField(TFieldKind::WideString, QStringLiteral("Note"), 20, true, QStringLiteral("备注"));
    ds->AddField(TFieldKind::Integer, QStringLiteral("Total"), -1, true, QStringLiteral("合计"))
        ->SetCalculated(true);
    ds->SetCalcHandler([ds] {
        ds->FieldByName(QStringLiteral("Total"))
            ->SetValue(ds->FieldByName(QStringLiteral("Room"))->AsInteger() * 10);
    });
    ds->CreateDataSet();
    for (int i = 1; i <= 4; ++i) {
        ds->Append();
        ds->FieldByName(QStringLiteral("Id"))->SetValue(i);
        ds->FieldByName(QStringLiteral("Code"))->SetValue(QStringLiteral("A%1").arg(i));
        ds->FieldByName(QStringLiteral("Room"))->SetValue(i);
        ds->Post();
    }
    ds->First();
    return table;
}

QList<int> RoomColumn(TDataSet* ds) {
    QList<int> rooms;
    for (int r = 0; r < ds->RecordCount(); ++r)
        rooms << ds->ValueAt(r, 2).toInt();
    return rooms;
}

void SelectRecord(QAbstractItemView& view, int row) {
    view.selectionModel()->select(view.model()->index(row, 0),
                                  QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

QString Info(const QString& text) {
    return QStringLiteral("\r\n") + text + QStringLiteral("\t");
}

// The batch update dialog as a script: records what it was offered and
// answers with a field name and a value.
struct TBatchScript {
    QString field;
    QString value;
    bool ok = true;
    int shown = 0;
    QStringList labels;

    TBatchScript() {
        TzyGridHooks::BatchUpdateDialog = [this](QWidget*, const QList<TBatchItem>& items,
                                                 int& index, QString& text) {
            ++shown;
            labels.clear();
            for (int i = 0; i < items.size(); ++i) {
                labels << items[i].Label;
                if (items[i].FieldName == field)
                    index = i;
            }
            text = value;
            return ok;
        };
    }
    ~TBatchScript() {
        TzyGridHooks::BatchUpdateDialog = nullptr;
        TzyGridHooks::FilterDialog = nullptr;
    }
};

} // namespace

Q_DECLARE_METATYPE(TField*)

class TstGridCommands : public QObject {
    Q_OBJECT
  private slots:
    void batchUpdateRefusals_data() {
        QTest::addColumn<bool>("detail");
        QTest::addColumn<int>("state"); // 0 no data set, 1 closed, 2 open without procedure
        QTest::addColumn<QString>("message");
        QTest::newRow("grid without data set")
            << false << 0 << QStringLiteral("没有指定数据集DataSet, 操作被取消.");
        QTest::newRow("grid with a closed data set")
            << false << 1 << QStringLiteral("没有指定数据集DataSet, 操作被取消.");
        QTest::newRow("grid without procedure")
            << false << 2 << QStringLiteral("没有指定更新过程BatchProc, 操作被取消.");
        QTest::newRow("detail grid without data set")
            << true << 0
            << QStringLiteral("系统错误: 没有为TzyGridcx.DataSource指定DataSet对象,请与作者联系!");
        QTest::newRow("detail grid with a closed data set")
            << true << 1 << QStringLiteral("系统提示: 请先打开数据再操作!");
        QTest::newRow("detail grid without procedure")
            << true << 2 << QStringLiteral("没有指定BatchUpdate更新过程, 操作被取消.");
    }

    void batchUpdateRefusals() {
        QFETCH(bool, detail);
        QFETCH(int, state);
        QFETCH(QString, message);
        TBatchScript script;
        TScriptedMessenger m;
        auto table = Rows();
        std::unique_ptr<TzyGridBase> grid;
        if (detail)
            grid = std::make_unique<TzyGridcx>();
        else
            grid = std::make_unique<TzyDBGrid>();
        if (state > 0)
            grid->SetDataSet(table->DataSet());
        if (state == 1)
            table->DataSet()->Close();
        grid->ActionBatchUpdate()->trigger();
        QCOMPARE(m.shown, QStringList{Info(message)});
        QCOMPARE(script.shown, 0);
    }

    void commandsNeedTheirDialogs() {
        TScriptedMessenger m;
        auto table = Rows();
        {
            TzyDBGrid grid;
            grid.SetDataSet(table->DataSet());
            grid.BatchProc = [] {};
            QVERIFY(!grid.ActionFilter()->isEnabled());
            QVERIFY(!grid.ActionBatchUpdate()->isEnabled());
            // Called anyway, they do nothing.
            SelectRecord(grid, 0);
            grid.BatchUpdateClick();
            grid.FilterClick();
            QCOMPARE(RoomColumn(table->DataSet()), (QList<int>{1, 2, 3, 4}));
        }
        TBatchScript script;
        TzyGridHooks::FilterDialog = [](QWidget*, TDataSet*) { return false; };
        TzyGridcx detail;
        QVERIFY(detail.ActionFilter()->isEnabled());
        QVERIFY(detail.ActionBatchUpdate()->isEnabled());
        QCOMPARE(detail.ActionFilter()->text(), QStringLiteral("过滤"));
        // Not on the grid's own menu.
        QVERIFY(!detail.PopupMenuZy()->actions().contains(detail.ActionFilter()));
        QVERIFY(!detail.PopupMenuZy()->actions().contains(detail.ActionBatchUpdate()));
        QCOMPARE(m.shown, QStringList());
    }

    // The selected records are written from the first to the last, each posted
    // and handed to the procedure; the current row comes back.
    void gridWritesTheSelectedRecords() {
        TBatchScript script;
        script.field = QStringLiteral("Room");
        script.value = QStringLiteral(" 7 ");
        TScriptedMessenger m;
        auto table = Rows();
        TDataSet* ds = table->DataSet();
        TzyDBGrid grid;
        grid.SetDataSet(ds);
        QList<QPair<int, int>> written; // Id and Room as the procedure saw them
        grid.BatchProc = [&] {
            QVERIFY(!ds->Editing());
            written << qMakePair(ds->FieldByName(QStringLiteral("Id"))->AsInteger(),
                                 ds->FieldByName(QStringLiteral("Room"))->AsInteger());
        };
        ds->SetCurrentRow(2);
        SelectRecord(grid, 3);
        SelectRecord(grid, 1);
        // A rectangle of cells selects no record.
        grid.selectionModel()->select(grid.model()->index(2, 1), QItemSelectionModel::Select);
        grid.ActionBatchUpdate()->trigger();
        QCOMPARE(script.labels, QStringList({"编号", "室", "备注"}));
        QCOMPARE(written, (QList<QPair<int, int>>{{2, 7}, {4, 7}}));
        QCOMPARE(RoomColumn(ds), (QList<int>{1, 7, 3, 7}));
        QCOMPARE(ds->CurrentRow(), 2);
        QCOMPARE(m.shown, QStringList());

        // Cancelled, or OK without a chosen field: nothing is written.
        SelectRecord(grid, 0);
        script.ok = false;
        grid.BatchUpdateClick();
        script.ok = true;
        script.field = QStringLiteral("Nothing");
        grid.BatchUpdateClick();
        QCOMPARE(RoomColumn(ds), (QList<int>{1, 7, 3, 7}));
        QCOMPARE(written.size(), 2);
    }

    void failuresStopTheWalk_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("procedureFails");
        QTest::addColumn<QList<int>>("rooms");
        QTest::newRow("value the field cannot take") << "x" << false << QList<int>{1, 2, 3, 4};
        QTest::newRow("procedure fails on the second row") << "9" << true << QList<int>{9, 9, 3, 4};
    }

    void failuresStopTheWalk() {
        QFETCH(QString, value);
        QFETCH(bool, procedureFails);
        QFETCH(QList<int>, rooms);
        TBatchScript script;
        script.field = QStringLiteral("Room");
        script.value = value;
        TScriptedMessenger m;
        auto table = Rows();
        TDataSet* ds = table->DataSet();
        TzyDBGrid grid;
        grid.SetDataSet(ds);
        int calls = 0;
        grid.BatchProc = [&] {
            if (++calls == 2 && procedureFails)
                throw EOrbelError(QStringLiteral("写入失败"));
        };
        ds->SetCurrentRow(3);
        for (int r = 0; r < 3; ++r)
            SelectRecord(grid, r);
        grid.ActionBatchUpdate()->trigger();
        QCOMPARE(RoomColumn(ds), rooms);
        QCOMPARE(m.shown.size(), 1);
        QVERIFY(!ds->Editing());
        QVERIFY(!ds->ControlsDisabled());
        QCOMPARE(ds->CurrentRow(), 3);
    }

    void detailGridWritesItsSelectedRow() {
        qRegisterMetaType<TField*>();
        TBatchScript script;
        script.field = QStringLiteral("Note");
        script.value = QStringLiteral("已售");
        TScriptedMessenger m;
        auto table = Rows();
        TDataSet* ds = table->DataSet();
        TzyGridcx grid;
        grid.SetDataSet(ds);
        QStringList seen;
        grid.BatchProc = [&] { seen << ds->FieldByName(QStringLiteral("Code"))->AsString(); };
        QSignalSpy changed(&grid, &TzyGridcx::EditChanged);
        grid.selectRow(2);
        grid.BatchUpdateClick();
        QCOMPARE(seen, QStringList{QStringLiteral("A3")});
        QCOMPARE(ds->DisplayTextAt(2, 3), QStringLiteral("已售"));
        QCOMPARE(ds->DisplayTextAt(1, 3), QString());
        QCOMPARE(changed.size(), 1);
        QCOMPARE(changed[0][1].value<TField*>(), ds->FieldByName(QStringLiteral("Note")));
        QCOMPARE(ds->CurrentRow(), 2);
        QCOMPARE(m.shown, QStringList());
    }

    void filterCommand() {
        TBatchScript script;
        TScriptedMessenger m;
        TzyDBGrid empty;
        TzyGridHooks::FilterDialog = [](QWidget*, TDataSet* ds) {
            ds->SetFilter(QStringLiteral("Code like '%3%'"));
            ds->SetFiltered(true);
            return true;
        };
        empty.FilterClick();
        QCOMPARE(m.shown, QStringList{Info(QStringLiteral(
                              "系统错误: 没有为DBGrid.DataSource指定DataSet对象,请与作者联系!"))});
        auto table = Rows();
        TzyGridcx grid;
        grid.SetDataSet(table->DataSet());
        grid.ActionFilter()->trigger();
        QCOMPARE(table->DataSet()->RecordCount(), 1);
        QCOMPARE(grid.RowCount(), 1);
        QCOMPARE(table->DataSet()->FieldByName(QStringLiteral("Code"))->AsString(),
                 QStringLiteral("A3"));
    }

    void cellButtonKey() {
        qRegisterMetaType<TField*>();
        auto table = Rows();
        TzyGridcx grid;
        grid.SetDataSet(table->DataSet());
        grid.show();
        QSignalSpy button(&grid, &TzyGridcx::EditButtonClick);
        grid.setCurrentIndex(grid.model()->index(1, grid.Model()->ColumnOfField("Room")));
        QTest::keyClick(&grid, Qt::Key_Return);
        QCOMPARE(button.size(), 0);
        QTest::keyClick(&grid, Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(button.size(), 1);
        QCOMPARE(button[0][1].value<TField*>(),
                 table->DataSet()->FieldByName(QStringLiteral("Room")));
    }
};

QTEST_MAIN(TstGridCommands)
#include "tst_gridcommands.moc"
