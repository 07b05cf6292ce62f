#include "../../core/operations/MgrTestSupport.h"
#include "../../core/operations/ScriptedEditors.h"
#include "ScriptedMessenger.h"
#include "TestDatabase.h"

#include "operations/HouseMgr.h"
#include "operators/OperatorSet.h"
#include "screens/BrokerPickerFrm.h"
#include "screens/DetailGrid.h"

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

namespace {

void SelectRow(TDetailGrid* grid, int row) {
    grid->setCurrentIndex(grid->model()->index(row, 1));
}

// The scripted editors, with the real broker picker in place of the scripted one;
// `onShow` runs once the picker is shown.
class TBrokerFactory : public TScriptedEditorFactory {
  public:
    std::unique_ptr<TBrokerPicker> CreateBrokerPicker() override {
        auto picker = std::make_unique<TBrokerPickerFrm>();
        QTimer::singleShot(0, [this, p = picker.get()] { onShow(*p); });
        return picker;
    }
    std::function<void(TBrokerPickerFrm&)> onShow;
};

const QString kQuestion = QStringLiteral("确定要将当前列表中的房源全部指定给%1吗?");

} // namespace

class TstBrokerPicker : public QObject {
    Q_OBJECT
  private slots:
    void init() {
        FreshDatabase(TTestContent::Delivered);
        LogIn(QStringLiteral("sa"));
        DbConnection().Execute(QStringLiteral("delete from operator where LoginId<>'sa'"));
        AddOperator("lily", "李丽", "139");
        AddOperator("wang", "王五", "138");
    }

    void startsWithTheFirstOperatorChosen() {
        TBrokerPickerFrm picker;
        picker.show();
        QCOMPARE(picker.Caption(), QStringLiteral("选择经纪人..."));
        QCOMPARE(picker.Grid()->RowCount(), 2);
        QVERIFY(picker.findChild<QRadioButton*>("rbBroker1")->isChecked());
        QVERIFY(picker.Grid()->isEnabled());
        QCOMPARE(picker.Text("Broker"), QStringLiteral("lily"));
        QVERIFY(!picker.Flag("AssignAll"));
        SelectRow(picker.Grid(), 1);
        QCOMPARE(picker.Text("Broker"), QStringLiteral("wang"));

        picker.findChild<QRadioButton*>("rbNoBroker1")->click();
        QVERIFY(!picker.Grid()->isEnabled());
        QCOMPARE(picker.Text("Broker"), QString());
        picker.SetProperty("Broker", QStringLiteral("lily"));
        QVERIFY(picker.Grid()->isEnabled());
        QCOMPARE(picker.Text("Broker"), QStringLiteral("lily"));
    }

    // With "全部指定为该经纪人" OK asks first; No keeps the dialog open.
    void assignAllAsksFirst() {
        TScriptedMessenger messenger;
        TBrokerPickerFrm picker;
        bool openAfterNo = false;
        QTimer::singleShot(0, [&] {
            SelectRow(picker.Grid(), 1);
            picker.findChild<QCheckBox*>("cbAssignAll1")->click();
            messenger.Answer(TMsgResult::No);
            picker.OkButton()->click();
            openAfterNo = picker.isVisible();
            messenger.Answer(TMsgResult::Yes);
            picker.OkButton()->click();
        });
        QVERIFY(picker.Execute());
        QVERIFY(openAfterNo);
        QCOMPARE(messenger.shown, QStringList({kQuestion.arg("王五"), kQuestion.arg("王五")}));
        QCOMPARE(picker.Text("Broker"), QStringLiteral("wang"));
        QVERIFY(picker.Flag("AssignAll"));
    }

    void singleRecordDoesNotAsk() {
        TScriptedMessenger messenger;
        TBrokerPickerFrm picker;
        QTimer::singleShot(0, [&] { picker.OkButton()->click(); });
        QVERIFY(picker.Execute());
        QCOMPARE(messenger.shown, QStringList());
    }

    // Without operators OK does nothing, whichever button is selected.
    void emptyOperatorListKeepsTheDialogOpen() {
        DbConnection().Execute(QStringLiteral("delete from operator where LoginId<>'sa'"));
        TScriptedMessenger messenger;
        TBrokerPickerFrm picker;
        int stillOpen = 0;
        QTimer::singleShot(0, [&] {
            picker.OkButton()->click();
            stillOpen += picker.isVisible();
            picker.findChild<QRadioButton*>("rbNoBroker1")->click();
            picker.OkButton()->click();
            stillOpen += picker.isVisible();
            picker.CancelButton()->click();
        });
        QVERIFY(!picker.Execute());
        QCOMPARE(stillOpen, 2);
        QCOMPARE(messenger.shown, QStringList());
    }

    // Through the list command: every listed house gets the broker, others keep theirs.
    void assignBrokerToTheWholeList() {
        for (int id = 1; id <= 4; ++id)
            DbConnection().Execute(
                QStringLiteral("insert into house(Id, IsRecycle, Code, Room, Broker) values (:Id, "
                               "0, :Code, :Room, 'wang')"),
                {Param("Id", id), Param("Code", QStringLiteral("FY%1").arg(id)),
                 Param("Room", id <= 3 ? 2 : 3)});
        TBrokerFactory factory;
        TScriptedMessenger messenger;
        THouseMgr houses;
        houses.Open(QStringLiteral("select * from house where Room=2 order by Id"));
        houses.DataSet()->Last();
        factory.onShow = [](TBrokerPickerFrm& p) {
            p.SetProperty("Broker", QStringLiteral("lily"));
            p.SetProperty("AssignAll", true);
            p.OkButton()->click();
        };
        houses.AssignBrokerClick();
        QCOMPARE(messenger.shown, QStringList({kQuestion.arg("李丽")}));
        QCOMPARE(Count("house", "Broker='lily'"), 3);
        QCOMPARE(Scalar("select Broker from house where Id=4").toString(), QStringLiteral("wang"));
        QCOMPARE(houses.DataSet()->CurrentRow(), 0);

        factory.onShow = [](TBrokerPickerFrm& p) {
            p.findChild<QRadioButton*>("rbNoBroker1")->click();
            p.OkButton()->click();
        };
        houses.AssignBrokerClick();
        QCOMPARE(Scalar("select Broker from house where Id=1").toString(), QString());
        QCOMPARE(Count("house", "Broker='lily'"), 2);
    }
};

ORBEL_DB_UI_TEST_MAIN(TstBrokerPicker)
#include "tst_brokerpicker.moc"
