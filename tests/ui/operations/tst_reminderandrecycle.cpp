#include "../../core/operations/MgrTestSupport.h"
#include "../operators/DialogScript.h"
#include "ScriptedMessenger.h"
#include "TestDatabase.h"

#include "app/Startup.h"
#include "operations/ClientMgr.h"
#include "operations/ClientVisitHintSet.h"
#include "operations/HintCenterFrm.h"
#include "operations/HintMgr.h"
#include "operations/HouseDealHintSet.h"
#include "operations/HouseMgr.h"
#include "operations/HouseVisitHintSet.h"
#include "operations/RecycleboxFrm.h"
#include "screens/DetailGrid.h"

#include <QApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

#include <memory>

namespace {

template <class T> T* Child(QWidget& parent, const char* name) {
    T* child = parent.findChild<T*>(QLatin1String(name));
    if (!child)
        qFatal("no control %s", name);
    return child;
}

QString Caption(QWidget& w, const char* name) {
    return Child<QRadioButton>(w, name)->text();
}

void InsertHouse(int id, const QString& code, bool recycled, const QString& broker) {
    DbConnection().Execute(
        QStringLiteral("insert into house(Id, IsRecycle, Code, HouseName, Broker, Addor, Billman) "
                       "values (:Id, :R, :Code, '碧园', :Broker, :Broker, :Broker)"),
        {Param("Id", id), Param("R", recycled ? 1 : 0), Param("Code", code),
         Param("Broker", broker)});
}

void InsertClient(int id, const QString& code, bool recycled, const QString& broker) {
    DbConnection().Execute(
        QStringLiteral("insert into client(Id, IsRecycle, Code, Linkman, Broker, Addor, Billman) "
                       "values (:Id, :R, :Code, '周女士', :Broker, :Broker, :Broker)"),
        {Param("Id", id), Param("R", recycled ? 1 : 0), Param("Code", code),
         Param("Broker", broker)});
}

// A follow-up of a house or client with a reminder `secs` from the server's now.
void InsertVisit(const QString& table, const QString& owner, int id, int ownerId, int secs) {
    DbConnection().Execute(
        QStringLiteral("insert into %1(Id, %2, VizType, Handman, Billman, HintDate, HintDays) "
                       "values (:Id, :Owner, '电话', 'li', 'li', :D, 2)")
            .arg(table, owner),
        {Param("Id", id), Param("Owner", ownerId),
         Param("D", DbConnection().ServerNow().addSecs(secs))});
}

void InsertDeal(int id, int houseId, int secs) {
    DbConnection().Execute(
        QStringLiteral("insert into deals(Id, HouseId, DealType, ClientName, Handman, Billman, "
                       "HintDate, HintDays) values (:Id, :H, '出售', '张三', 'li', 'li', :D, 2)"),
        {Param("Id", id), Param("H", houseId),
         Param("D", DbConnection().ServerNow().addSecs(secs))});
}

constexpr int kDay = 86400;

// Makes the row with this code current through the grid.
void SelectCode(TDetailGrid* grid, const QString& code) {
    TDataSet* ds = grid->DataSet();
    QVERIFY(ds);
    for (int row = 0; row < grid->Model()->rowCount(); ++row) {
        grid->setCurrentIndex(grid->Model()->index(row, 1));
        if (ds->FieldByName("Code")->AsString() == code)
            return;
    }
    QFAIL(qPrintable(QStringLiteral("no row ") + code));
}

QStringList Codes(TDetailGrid* grid) {
    QStringList codes;
    TDataSet* ds = grid->DataSet();
    for (ds->First(); !ds->Eof(); ds->Next())
        codes << ds->FieldByName("Code")->AsString();
    return codes;
}

} // namespace

class TstReminderAndRecycle : public QObject {
    Q_OBJECT
    std::unique_ptr<TScriptedMessenger> m_messenger;

  private slots:
    void initTestCase() { TStartup::InitApplication(); }

    void init() {
        FreshDatabase(TTestContent::Tables);
        LogIn(QStringLiteral("li"));
        m_messenger = std::make_unique<TScriptedMessenger>();
    }
    void cleanup() { m_messenger.reset(); }

    // Each selector carries its group's count, also after loading again.
    void reminderCaptionsCarryCounts() {
        InsertHouse(1, QStringLiteral("FY001"), false, QStringLiteral("li"));
        InsertClient(1, QStringLiteral("KH001"), false, QStringLiteral("li"));
        InsertVisit(QStringLiteral("housevisits"), QStringLiteral("HouseId"), 1, 1, kDay);
        InsertVisit(QStringLiteral("housevisits"), QStringLiteral("HouseId"), 2, 1, 3600);
        InsertVisit(QStringLiteral("housevisits"), QStringLiteral("HouseId"), 3, 1, 5 * kDay);
        InsertDeal(1, 1, kDay);
        InsertVisit(QStringLiteral("clientvisits"), QStringLiteral("ClientId"), 1, 1, -3600);
        THintCenterFrm window;
        QCOMPARE(window.windowTitle(), QStringLiteral("提醒"));
        QCOMPARE(Caption(window, "rbHouseVisits1"), QStringLiteral("房源跟踪"));
        QVERIFY(window.LoadHints());
        QVERIFY(window.LoadHints());
        QCOMPARE(Caption(window, "rbHouseVisits1"), QStringLiteral("房源跟踪(2)"));
        QCOMPARE(Caption(window, "rbDeals1"), QStringLiteral("成交提醒(1)"));
        QCOMPARE(Caption(window, "rbClientVisits1"), QStringLiteral("客户跟踪(0)"));
        // The grid shows the selected group.
        QVERIFY(Child<QRadioButton>(window, "rbHouseVisits1")->isChecked());
        QCOMPARE(window.Grid()->DataSet(), window.HintMgr()->VisitHintSet()->DataSet());
        QCOMPARE(window.Grid()->Model()->rowCount(), 2);
        Child<QRadioButton>(window, "rbDeals1")->click();
        QCOMPARE(window.Grid()->DataSet(), window.HintMgr()->DealHintSet()->DataSet());
        QCOMPARE(window.Grid()->Model()->rowCount(), 1);
        Child<QRadioButton>(window, "rbClientVisits1")->click();
        QCOMPARE(window.Grid()->DataSet(), window.HintMgr()->ClientVisitHintSet()->DataSet());
        QCOMPARE(window.Grid()->Model()->rowCount(), 0);
    }

    // Nothing due: the start-up shows nothing, the command says so.
    void nothingDue() {
        InsertHouse(1, QStringLiteral("FY001"), false, QStringLiteral("li"));
        InsertVisit(QStringLiteral("housevisits"), QStringLiteral("HouseId"), 1, 1, 3 * kDay);
        InsertDeal(1, 1, -60);
        QWidget parent;
        QVERIFY(!ShowDueReminders(&parent));
        QVERIFY(m_messenger->shown.isEmpty());
        ShowReminders(&parent);
        QCOMPARE(m_messenger->shown, QStringList({QStringLiteral("\r\n没有任何事务提醒记录.\t")}));
    }

    // Something due: both show the window modally, with the counts.
    void dueRemindersShowTheWindow() {
        InsertClient(1, QStringLiteral("KH001"), false, QStringLiteral("li"));
        InsertVisit(QStringLiteral("clientvisits"), QStringLiteral("ClientId"), 1, 1, 60);
        QWidget parent;
        int shown = 0;
        auto closeWhenShown = [&] {
            auto* window = qobject_cast<THintCenterFrm*>(QApplication::activeModalWidget());
            QVERIFY(window);
            ++shown;
            QCOMPARE(Caption(*window, "rbClientVisits1"), QStringLiteral("客户跟踪(1)"));
            Child<QPushButton>(*window, "btnClose1")->click();
        };
        QTimer::singleShot(0, closeWhenShown);
        QVERIFY(ShowDueReminders(&parent));
        QTimer::singleShot(0, closeWhenShown);
        ShowReminders(&parent);
        QCOMPARE(shown, 2);
        QVERIFY(m_messenger->shown.isEmpty());
    }

    // The box opens on the recycled houses; the toggles switch between houses
    // and clients, and only recycled rows are listed.
    void recycleBoxListsRecycledRows() {
        InsertHouse(1, QStringLiteral("FY001"), true, QStringLiteral("li"));
        InsertHouse(2, QStringLiteral("FY002"), false, QStringLiteral("li"));
        InsertHouse(3, QStringLiteral("FY003"), true, QStringLiteral("wang"));
        InsertClient(1, QStringLiteral("KH001"), false, QStringLiteral("li"));
        InsertClient(2, QStringLiteral("KH002"), true, QStringLiteral("li"));
        TRecycleboxFrm box;
        QCOMPARE(box.windowTitle(), QStringLiteral("回收站"));
        QVERIFY(box.ShowingHouses());
        QVERIFY(Child<QToolButton>(box, "ToolButton1")->isChecked());
        QCOMPARE(Codes(box.Grid()), QStringList({"FY001", "FY003"}));
        Child<QToolButton>(box, "ToolButton2")->click();
        QVERIFY(!box.ShowingHouses());
        QVERIFY(!Child<QToolButton>(box, "ToolButton1")->isChecked());
        QCOMPARE(Codes(box.Grid()), QStringList({"KH002"}));
        Child<QToolButton>(box, "ToolButton1")->click();
        QCOMPARE(Codes(box.Grid()), QStringList({"FY001", "FY003"}));
        // Export is the grid's own command, offered only where exports exist.
        QCOMPARE(Child<QToolButton>(box, "ToolButton3")->defaultAction(),
                 box.Grid()->ActionExport());
    }

    // Restore asks nothing, clears the flag and takes the row off the list; the
    // change permission applies inside the box too.
    void recycleRestore_data() {
        QTest::addColumn<QString>("rights");
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("restored");
        QTest::newRow("own house") << ""
                                   << "FY001" << true;
        QTest::newRow("another's house with right 4") << ",4,"
                                                      << "FY003" << true;
        QTest::newRow("another's house without right 4") << ",20,"
                                                         << "FY003" << false;
    }
    void recycleRestore() {
        QFETCH(QString, rights);
        QFETCH(QString, code);
        QFETCH(bool, restored);
        LogIn(QStringLiteral("li"), rights);
        SetSwitch(TKeyValue::kBrokerMayEdit, true);
        InsertHouse(1, QStringLiteral("FY001"), true, QStringLiteral("li"));
        InsertHouse(3, QStringLiteral("FY003"), true, QStringLiteral("wang"));
        TRecycleboxFrm box;
        SelectCode(box.Grid(), code);
        Child<QToolButton>(box, "tbRecove1")->click();
        const bool recycled =
            Scalar(QStringLiteral("select abs(IsRecycle) from house where Code=:C"),
                   {Param("C", code)})
                .toInt() == 1;
        QCOMPARE(recycled, !restored);
        QCOMPARE(Codes(box.Grid()).contains(code), !restored);
        if (restored)
            QVERIFY(m_messenger->shown.isEmpty());
        else
            QCOMPARE(m_messenger->shown,
                     QStringList({Info(QStringLiteral("对不起，您没有权限修改该信息."))}));
    }

    // Permanent delete asks with the code; Cancel keeps the row, OK deletes it
    // with its follow-ups. After the switch to clients it acts on clients only.
    void recyclePermanentDelete() {
        LogIn(QStringLiteral("li"), QStringLiteral(",4,"));
        InsertHouse(1, QStringLiteral("FY001"), true, QStringLiteral("li"));
        InsertHouse(2, QStringLiteral("FY002"), true, QStringLiteral("li"));
        InsertVisit(QStringLiteral("housevisits"), QStringLiteral("HouseId"), 1, 1, kDay);
        InsertClient(1, QStringLiteral("KH001"), true, QStringLiteral("li"));
        InsertClient(2, QStringLiteral("KH002"), true, QStringLiteral("li"));
        TRecycleboxFrm box;
        SelectCode(box.Grid(), QStringLiteral("FY001"));
        m_messenger->Answer(TMsgResult::Cancel);
        Child<QToolButton>(box, "tbDrop1")->click();
        QCOMPARE(m_messenger->Last(), DeleteQuestion("FY001号房源, 这将永久删除, 您确定"));
        QCOMPARE(Count("house"), 2);
        Child<QToolButton>(box, "tbDrop1")->click();
        QCOMPARE(Count("house"), 1);
        QCOMPARE(Count("housevisits"), 0);
        QCOMPARE(Codes(box.Grid()), QStringList({"FY002"}));

        Child<QToolButton>(box, "ToolButton2")->click();
        SelectCode(box.Grid(), QStringLiteral("KH002"));
        Child<QToolButton>(box, "tbDrop1")->click();
        QCOMPARE(m_messenger->Last(), DeleteQuestion("KH002号客户, 这将永久删除, 您确定"));
        QCOMPARE(Count("client"), 1);
        QCOMPARE(Count("house"), 1);
        QCOMPARE(Codes(box.Grid()), QStringList({"KH001"}));
        Child<QToolButton>(box, "tbRecove1")->click();
        QCOMPARE(Count("client", "abs(IsRecycle)=0"), 1);
        QCOMPARE(Count("house", "abs(IsRecycle)=1"), 1);
        // The list is empty now: the buttons stay enabled and do nothing.
        QVERIFY(Codes(box.Grid()).isEmpty());
        m_messenger->Clear();
        for (const char* name : {"tbDrop1", "tbRecove1"}) {
            QVERIFY(Child<QToolButton>(box, name)->isEnabled());
            Child<QToolButton>(box, name)->click();
        }
        QVERIFY(m_messenger->shown.isEmpty());
        QCOMPARE(Count("client"), 1);
    }

    // The box needs right 20.
    void recycleBoxNeedsItsRight() {
        LogIn(QStringLiteral("li"), QStringLiteral(",4,"));
        QWidget parent;
        ShowRecycleBox(&parent);
        QCOMPARE(m_messenger->shown, QStringList({Denied(20)}));
    }
};

ORBEL_DB_UI_TEST_MAIN(TstReminderAndRecycle)
#include "tst_reminderandrecycle.moc"
