#include "../../core/operations/MgrTestSupport.h"
#include "../../core/operations/ScriptedEditors.h"
#include "ScriptedMessenger.h"
#include "TestDatabase.h"

#include "app/MainHooks.h"
#include "app/mainFrm.h"
#include "data/Database.h"
#include "data/Options.h"
#include "operations/EditorFactory.h"
#include "operators/Operator.h"
#include "records/RecordContext.h"
#include "screens/ClientCenterFra.h"
#include "screens/ClientSearchPanel.h"
#include "screens/HouseCenterFra.h"
#include "screens/HouseSearchPanel.h"
#include "toolkit/zyDBGrid.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

QStringList Captions(const QMenu* menu) {
    QStringList captions;
    for (const QAction* action : menu->actions())
        captions << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return captions;
}

// Every row of a list as the values of one field.
QStringList Column(TDataSet* data, const QString& field) {
    QStringList values;
    for (int row = 0; row < data->RecordCount(); ++row)
        values << data->ValueAt(row, data->FieldByName(field)->Index()).toString();
    return values;
}

int CountSql(const QString& sql) {
    TRecordSet& scratch = ScratchSet();
    scratch.Open(sql);
    return scratch.DataSet()->Field(0)->AsInteger();
}

// A row command of the list in front.
QAction* ListCommand(const TmainFrm& main, const QString& caption) {
    for (QAction* action : main.ActiveListor()->pmDBGrid1()->actions()) {
        if (action->text() == caption)
            return action;
    }
    return nullptr;
}

// Closes the next modal dialog as soon as it runs: accepted or rejected.
void CloseNextModal(bool accept) {
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, timer, [timer, accept] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            timer->deleteLater();
            timer->stop();
            accept ? dialog->accept() : dialog->reject();
        }
    });
    timer->start(10);
}

} // namespace

class TstMainFrm : public QObject {
    Q_OBJECT
  private slots:
    void init() {
        FreshDatabase(TTestContent::Demo);
        ProgramOptions().Refresh();
        LogIn(QStringLiteral("sa"));
    }
    void cleanup() { TMainHooks::ImportHouses = {}; }

    // F6 then F5 brings the client list and then the house list to the front;
    // the import button then imports houses.
    void viewsAndImportButton() {
        QStringList imported;
        TMainHooks::ImportHouses = [&](QWidget*) { return imported << "houses", true; };
        TmainFrm main;
        main.resize(1200, 800);
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        QCOMPARE(main.ActiveListor(), main.HouseList());
        QTest::keyClick(&main, Qt::Key_F6);
        QCOMPARE(main.ActiveListor(), main.ClientList());
        QVERIFY(main.Command(QStringLiteral("客户管理"))->isChecked());
        QVERIFY(!main.Command(QStringLiteral("导入"))->isEnabled()); // no client import
        QTest::keyClick(&main, Qt::Key_F5);
        QCOMPARE(main.ActiveListor(), main.HouseList());
        QVERIFY(main.Command(QStringLiteral("房源管理"))->isChecked());
        main.Command(QStringLiteral("导入"))->trigger();
        QCOMPARE(imported, QStringList{"houses"});
    }

    // "操作(&O)" mirrors the popup of the list in front, without duplicates.
    void operateMenuFollowsTheList() {
        TmainFrm main;
        QMenu* operate = main.Menu(QStringLiteral("操作(&O)"));
        main.ShowView(1);
        emit operate->aboutToShow();
        emit operate->aboutToShow();
        const QStringList clientItems = Captions(operate);
        QCOMPARE(clientItems.count(QStringLiteral("显示我关注的客户")), 1);
        QVERIFY(!clientItems.contains(QStringLiteral("显示我关注的房源")));
        QCOMPARE(clientItems.mid(1), Captions(main.ClientList()->pmDBGrid1()));
        main.ShowView(0);
        emit operate->aboutToShow();
        QVERIFY(Captions(operate).contains(QStringLiteral("显示我关注的房源")));
        QVERIFY(!Captions(operate).contains(QStringLiteral("显示我关注的客户")));
        QCOMPARE(Captions(operate).first(), QStringLiteral("-"));
    }

    // The search and detail panel toggles act on the list in front only.
    void panelTogglesPerList() {
        TmainFrm main;
        main.show();
        main.Command(QStringLiteral("查找面板"))->trigger();
        QVERIFY(!main.HouseList()->TopPanel1()->isVisible());
        main.ShowView(1);
        QVERIFY(main.ClientList()->TopPanel1()->isVisible());
        QMenu* view = main.Menu(QStringLiteral("视图(&S)"));
        emit view->aboutToShow();
        QVERIFY(main.Command(QStringLiteral("查找面板"))->isChecked());
        main.ShowView(0);
        emit view->aboutToShow();
        QVERIFY(!main.Command(QStringLiteral("查找面板"))->isChecked());
    }

    // The lists open with the houses for sale (also sale-or-rent) and the buyers.
    // A client opened from the house list before the client list was ever
    // shown stays the one listed.
    void initialLists() {
        TmainFrm main;
        main.show();
        QVERIFY(!main.Clients().DataSet()->Active()); // read when first shown
        main.ShowView(1);
        const QStringList dealTypes = Column(main.Houses().DataSet(), QStringLiteral("DealType"));
        QVERIFY(!dealTypes.isEmpty());
        for (const QString& type : dealTypes)
            QVERIFY2(type == QStringLiteral("出售") || type == QStringLiteral("租售"),
                     qPrintable(type));
        QCOMPARE(dealTypes.size(),
                 std::min(50, CountSql(QStringLiteral(
                                  "select count(*) from house where abs(IsRecycle)=0 and "
                                  "DealType in ('出售','租售')"))));
        const QStringList wants = Column(main.Clients().DataSet(), QStringLiteral("DealType"));
        QVERIFY(!wants.isEmpty());
        QCOMPARE(wants.count(QStringLiteral("求购")), wants.size());

        TmainFrm other;
        other.show();
        const int renter =
            CountSql(QStringLiteral("select min(Id) from client where DealType='求租'"));
        other.OpenClient(renter);
        QCOMPARE(other.ActiveListor(), other.ClientList());
        QCOMPARE(other.Clients().DataSet()->RecordCount(), 1);
        QCOMPARE(other.Clients().CurrentId(), renter);
    }

    // "不限" and empty combos turn their criteria off; room 2 finds two-room
    // houses and the clients whose wanted range holds two rooms.
    void criteriaOffAndRoomTwo() {
        TmainFrm main;
        THouseSearchPanel* houses = main.HouseList()->SearchPanel();
        houses->SelectDealType(0);
        const int all = main.Houses().DataSet()->RecordCount();
        houses->Room()->setCurrentText(QStringLiteral("不限"));
        houses->State()->setCurrentIndex(0); // "不限"
        QCOMPARE(houses->State()->currentText(), QStringLiteral("不限"));
        houses->FindButton()->click();
        QCOMPARE(main.Houses().DataSet()->RecordCount(), all);

        houses->Room()->setCurrentText(QStringLiteral("2"));
        houses->FindButton()->click();
        const QStringList rooms = Column(main.Houses().DataSet(), QStringLiteral("Room"));
        QVERIFY(!rooms.isEmpty());
        QCOMPARE(rooms.count(QStringLiteral("2")), rooms.size());

        TClientSearchPanel* clients = main.ClientList()->SearchPanel();
        clients->SelectDealType(0);
        clients->Room()->setCurrentText(QStringLiteral("2"));
        clients->FindButton()->click();
        TDataSet* found = main.Clients().DataSet();
        QVERIFY(found->RecordCount() > 0);
        QCOMPARE(found->RecordCount(),
                 CountSql(QStringLiteral("select count(*) from client where abs(IsRecycle)=0 and "
                                         "Room1<=2 and Room2>=2")));

        // A number that is not one stops the search; the list stays.
        const int before = main.Houses().DataSet()->RecordCount();
        houses->Room()->setCurrentText(QStringLiteral("两"));
        QVERIFY_THROWS_EXCEPTION(EOrbelError, main.HouseList()->Search());
        QCOMPARE(main.Houses().DataSet()->RecordCount(), before);
    }

    // The district list holds the district options only after it had the focus.
    void districtReloadsOnFocus() {
        TmainFrm main;
        main.show();
        QComboBox* district = main.HouseList()->SearchPanel()->District();
        QCOMPARE(district->itemText(0), QStringLiteral("不限"));
        district->setFocus();
        QTRY_VERIFY(district->hasFocus());
        QCOMPARE(district->itemText(0) == QStringLiteral("不限"), false);
        QCOMPARE(district->count(), int(TOptions::Items(ProgramOptions().District()).size()));
    }

    // Assign broker to all listed rows: every row gets the broker, the first
    // row is current afterwards; an empty list does nothing.
    void assignBrokerToAll() {
        TScriptedEditorFactory editors;
        TScriptedMessenger messages;
        TmainFrm main;
        TDataSet* houses = main.Houses().DataSet();
        houses->Last();
        editors.broker.Ok({{"Broker", "liqiang"}, {"AssignAll", true}});
        ListCommand(main, QStringLiteral("指定经纪人"))->trigger();
        QCOMPARE(houses->CurrentRow(), 0);
        QCOMPARE(Column(houses, QStringLiteral("Broker")).count(QStringLiteral("liqiang")),
                 houses->RecordCount());

        main.Houses().Open(QStringLiteral("select * from house where 1=2"));
        ListCommand(main, QStringLiteral("指定经纪人"))->trigger(); // no picker is scripted
        QCOMPARE(editors.broker.answers.size(), 0);
    }

    // The system user alone may choose columns or save the grid layout.
    void layoutCommandsForSaOnly() {
        TScriptedMessenger messages;
        TmainFrm main;
        LogIn(QStringLiteral("zhangmin"), QStringLiteral(",0,10006,"));
        ListCommand(main, QStringLiteral("保存当前表格样式"))->trigger();
        QCOMPARE(messages.shown,
                 QStringList{Info(QStringLiteral("只有系统用户(sa)才能执行此操作."))});
        QCOMPARE(CountSql(QStringLiteral("select count(*) from syscols where F02=0")), 0);
    }

    // The output menu lists the report templates of the list in front, once.
    void outputMenuListsReportsOnce() {
        TmainFrm main;
        QMenu* output = main.Menu(QStringLiteral("输出(&P)"));
        emit output->aboutToShow();
        emit output->aboutToShow();
        const int houseReports =
            CountSql(QStringLiteral("select count(*) from report where GrpId=0"));
        QCOMPARE(output->actions().size(), 4 + houseReports);
        main.ShowView(1);
        emit output->aboutToShow();
        QCOMPARE(output->actions().size(),
                 4 + CountSql(QStringLiteral("select count(*) from report where GrpId=2")));
    }

    // "重新登陆" cancelled keeps the operator and shows its id again.
    void reloginCancelledKeepsOperator() {
        TmainFrm main;
        LogIn(QStringLiteral("zhangmin"), QStringLiteral(",0,"));
        main.StatusPanel(1)->clear();
        CloseNextModal(false);
        main.Command(QStringLiteral("重新登陆"))->trigger();
        QCOMPARE(CurrentOperator().LoginId, QStringLiteral("zhangmin"));
        QCOMPARE(main.StatusPanel(1)->text(), QStringLiteral("zhangmin"));
        QVERIFY(!main.Menu(QStringLiteral("帮助(&H)"))->isEnabled()); // no right 30
    }

    // Rights refusals carry their number; the help menu follows right 30.
    void rightsOnCommands() {
        TScriptedMessenger messages;
        TmainFrm main;
        LogIn(QStringLiteral("zhangmin"), QStringLiteral(",0,"));
        main.Command(QStringLiteral("回收站"))->trigger();
        main.Command(QStringLiteral("公司信息"))->trigger();
        QCOMPARE(messages.shown, (QStringList{Denied(20), Denied(10000)}));
    }
};

ORBEL_DB_UI_TEST_MAIN(TstMainFrm)
#include "tst_mainfrm.moc"
