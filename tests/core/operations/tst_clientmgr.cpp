#include "MgrTestSupport.h"
#include "ScriptedEditors.h"
#include "ScriptedMessenger.h"
#include "TestDatabase.h"

#include "app/Error.h"
#include "operations/ClientMgr.h"

#include <QTest>

namespace {

const QString kRefusal =
    QStringLiteral("对不起，您没有权限修改该信息，可能的原因是：\r\n\r\n1. "
                   "您不是该信息的经纪人或者系统不允许经纪人修改\r\n2. 您没有超级修改权限\r\n3. "
                   "只能修改登陆分店的记录.");

QVariantMap NewClient() {
    return {{"Linkman", "周"}, {"LinkTel", "1391"}, {"Sex", "男"},        {"District", "东区"},
            {"Room1", 2},      {"Room2", 3},        {"Fund1", 500000},    {"Fund2", 800000},
            {"Area1", 80},     {"Area2", 120.5},    {"DealType", "求租"}, {"Note", "急"}};
}

// A client as older data or the import leave it: most columns NULL.
void InsertClient(int id, const QString& code, const QString& broker, const QString& addor,
                  bool recycled = false) {
    DbConnection().Execute(
        QStringLiteral("insert into client(Id, IsRecycle, Code, Linkman, LinkTel, Broker, Addor, "
                       "Billman) values (:Id, :R, :Code, '周', '1391', :Broker, :Addor, :Addor)"),
        {Param("Id", id), Param("R", recycled ? 1 : 0), Param("Code", code),
         Param("Broker", broker), Param("Addor", addor)});
}

void OpenLive(TClientMgr& mgr) {
    mgr.Open(QStringLiteral("select * from client where abs(IsRecycle)=0 order by Id"));
}

} // namespace

class TstClientMgr : public QObject {
    Q_OBJECT
  private slots:
    void init() {
        FreshAgency();
        SetSwitch(TKeyValue::kBrokerMayEdit, true);
        SetSwitch(TKeyValue::kOperatorAsBroker, true);
        SetSwitch(TKeyValue::kAutomaticCodes, false);
        LogIn("li", ",0,");
    }

    // Clients have no duplicate test: the same person can be added twice.
    void addTwiceAndCodes() {
        TScriptedEditorFactory editors;
        TClientMgr mgr;
        OpenLive(mgr);
        editors.client.Ok(NewClient());
        mgr.AddClick();
        SetSwitch(TKeyValue::kAutomaticCodes, true);
        SetSwitch(TKeyValue::kOperatorAsBroker, false);
        editors.client.Ok(NewClient());
        mgr.AddClick();
        QCOMPARE(editors.client.captions, QStringList({"客户", "客户"}));
        QCOMPARE(editors.client.loaded[0]["Code"].toString(), QStringLiteral("KH001"));
        QCOMPARE(editors.client.loaded[0]["Broker"].toString(), QStringLiteral("li"));
        QCOMPARE(editors.client.loaded[0]["BillTime"].toDateTime(),
                 QDate::currentDate().startOfDay());
        QCOMPARE(editors.client.loaded[1]["Code"].toString(), QString());
        QCOMPARE(Count("client"), 2);
        QCOMPARE(Scalar("select Code from client where Id=2").toString(), QStringLiteral("KH002"));
        QCOMPARE(Scalar("select Broker from client where Id=2").toString(), QString());
        QCOMPARE(Scalar("select Addor from client where Id=2").toString(), QStringLiteral("li"));
        QCOMPARE(Scalar("select Fund2 from client where Id=1").toDouble(), 800000.0);
        QCOMPARE(Scalar("select Area2 from client where Id=1").toDouble(), 120.5);
        QCOMPARE(Scalar("select DealType from client where Id=1").toString(),
                 QStringLiteral("求租"));
        QCOMPARE(mgr.DataSet()->RecordCount(), 2);
    }

    void addCancelledOrRefused() {
        TScriptedEditorFactory editors;
        TScriptedMessenger m;
        TClientMgr mgr;
        OpenLive(mgr);
        editors.client.Cancel();
        mgr.AddClick();
        QCOMPARE(Count("client"), 0);
        LogIn("li", ",4,");
        QVERIFY_THROWS_EXCEPTION(EAbort, mgr.AddClick());
        QCOMPARE(m.shown, QStringList{Denied(0)});
        QCOMPARE(editors.client.created, 1);
    }

    // Empty stored numbers and dates compare equal to what the editor shows for
    // them, so such clients save and log only real changes.
    void editChangeLog() {
        InsertClient(1, "KH001", "", "li");
        TScriptedEditorFactory editors;
        TScriptedMessenger m;
        TClientMgr mgr;
        OpenLive(mgr);
        editors.client.Ok();
        QVERIFY(mgr.EditClick());
        QCOMPARE(Count("clientchanges"), 0);
        QCOMPARE(m.shown, QStringList());

        editors.client.Ok({{"LinkTel", "1392"}});
        QVERIFY(mgr.EditClick());
        QCOMPARE(Scalar("select ChangeDetails from clientchanges").toString(),
                 QStringLiteral("联系电话: \"1391\" → \"1392\"\r\n"));

        editors.client.Ok({{"Room2", 4}, {"Fund1", 500000}});
        QVERIFY(mgr.EditClick());
        QCOMPARE(Scalar("select ChangeDetails from clientchanges order by Id desc").toString(),
                 QStringLiteral("室2: \"0\" → \"4\"\r\n价格1: \"0\" → \"500000\"\r\n"));
        QCOMPARE(Count("clientchanges", "Changer='li' and ClientId=1"), 2);
        QCOMPARE(mgr.Changes()->DataSet()->RecordCount(), 2);
        QCOMPARE(Scalar("select Note from client").toString(), QString());
    }

    void canEditAndRecycle_data() {
        QTest::addColumn<QString>("broker");
        QTest::addColumn<QString>("login");
        QTest::addColumn<QString>("rights");
        QTest::addColumn<bool>("allowed");
        QTest::newRow("recorder, other broker") << "wang"
                                                << "li"
                                                << ",0,26," << false;
        QTest::newRow("broker") << "li"
                                << "zhao"
                                << "" << false;
        QTest::newRow("sa") << "wang"
                            << "sa"
                            << "" << true;
        QTest::newRow("right 4") << "wang"
                                 << "zhao"
                                 << ",4," << true;
        QTest::newRow("own client") << "zhao"
                                    << "zhao"
                                    << "" << true;
    }
    void canEditAndRecycle() {
        QFETCH(QString, broker);
        QFETCH(QString, login);
        QFETCH(QString, rights);
        QFETCH(bool, allowed);
        InsertClient(1, "KH001", broker, "li");
        LogIn(login, rights);
        TScriptedEditorFactory editors;
        TScriptedMessenger m;
        TClientMgr mgr;
        OpenLive(mgr);
        QCOMPARE(mgr.CanEdit(), allowed);
        QCOMPARE(m.shown, allowed ? QStringList() : QStringList{Info(kRefusal)});
        m.Clear();
        mgr.PutinRecycleClick();
        QCOMPARE(Count("client", "abs(IsRecycle)=1"), allowed ? 1 : 0);
        QCOMPARE(m.shown.size(), 1);
        QCOMPARE(m.shown[0], allowed ? DeleteQuestion("该客户") : Info(kRefusal));

        // Restoring from the recycle box asks nothing.
        if (!allowed)
            return;
        m.Clear();
        TClientMgr box;
        box.OpenRecycled();
        box.PutinRecycleClick();
        QCOMPARE(m.shown, QStringList());
        QCOMPARE(Count("client", "abs(IsRecycle)=0"), 1);
    }

    void contactVisibility_data() {
        QTest::addColumn<QString>("broker");
        QTest::addColumn<QString>("rights");
        QTest::addColumn<bool>("visible");
        QTest::newRow("other broker") << "wang"
                                      << ",4,26," << false;
        QTest::newRow("own") << "li"
                             << "" << true;
        QTest::newRow("no broker, 26") << ""
                                       << ",26," << true;
        QTest::newRow("no broker, 24") << ""
                                       << ",24,25," << false;
        QTest::newRow("no broker, 4") << ""
                                      << ",4," << true;
    }
    void contactVisibility() {
        QFETCH(QString, broker);
        QFETCH(QString, rights);
        QFETCH(bool, visible);
        InsertClient(7, "KH001", broker, "wang");
        LogIn("li", rights);
        TClientMgr mgr;
        OpenLive(mgr);
        QCOMPARE(mgr.CanSeeContact(), visible);
        QCOMPARE(mgr.IdAndCode(), QStringLiteral("客户ID是7, 编号是KH001."));
    }

    void drop() {
        InsertClient(1, "KH001", "", "li");
        DbConnection().Execute("insert into clientvisits(Id, ClientId) values (1, 1)");
        DbConnection().Execute("insert into clientchanges(Id, ClientId) values (1, 1)");
        DbConnection().Execute("insert into clientattention(LoginId, ClientId) values ('li', 1)");
        TScriptedMessenger m;
        TClientMgr mgr;
        OpenLive(mgr);
        m.Answer(TMsgResult::Cancel);
        mgr.DropClick();
        QCOMPARE(Count("client"), 1);
        mgr.DropClick();
        QCOMPARE(m.shown, QStringList(2, DeleteQuestion("KH001号客户, 这将永久删除, 您确定")));
        for (const char* table : {"client", "clientvisits", "clientchanges", "clientattention"})
            QVERIFY2(Count(table) == 0, table);
        mgr.DropClick(); // nothing current: nothing asked
        QCOMPARE(m.shown.size(), 2);
    }

    // Client reports: group 2, the list, follow-ups and change log of the
    // current client.
    void printHandsOverCurrentDetails() {
        InsertClient(1, "KH001", "li", "li");
        InsertClient(2, "KH002", "li", "li");
        DbConnection().Execute(QStringLiteral("insert into clientvisits(Id, ClientId, VizType, "
                                              "Billman) values (1, 2, '电话', 'li')"));
        TClientMgr mgr;
        OpenLive(mgr);
        mgr.DataSet()->Next();
        TRecordingReportPrinter printer;
        SetReportPrinter(&printer);
        mgr.PrintDesign();
        mgr.PrintReport(3);
        SetReportPrinter(nullptr);
        QCOMPARE(printer.calls, (QStringList{"design 2", "print 3"}));
        const QList<TDataSet*> expected{mgr.DataSet(), mgr.Visits()->DataSet(),
                                        mgr.Changes()->DataSet()};
        QCOMPARE(printer.dataSets, expected);
        QCOMPARE(printer.rowCounts[1], 1);
    }

    void visits() {
        InsertClient(1, "KH001", "li", "li");
        TScriptedEditorFactory editors;
        TScriptedMessenger m;
        TClientMgr mgr;
        OpenLive(mgr);
        editors.visit.Ok({{"VizType", "电话"}, {"Handman", "li"}});
        mgr.VisitAddClick();
        QCOMPARE(Count("clientvisits", "ClientId=1 and Billman='li' and VizType='电话'"), 1);

        LogIn("wang", ",0,");
        QVERIFY_THROWS_EXCEPTION(EAbort, mgr.VisitAddClick());
        mgr.VisitEditClick();
        mgr.VisitDeleteClick();
        QCOMPARE(m.shown, QStringList({Denied(4), Info("您不是该记录的所有者,不能进行修改操作."),
                                       Info("您不是该记录的所有者,不能进行该项操作.")}));

        // A failing save is shown as information and the editor comes back.
        LogIn("li");
        m.Clear();
        editors.visit.Ok({{"HintDays", "三"}});
        editors.visit.Ok({{"HintDays", 5}});
        mgr.VisitEditClick();
        QCOMPARE(m.shown, QStringList{Info("\"三\" 不是有效的整数.")});
        QCOMPARE(Scalar("select HintDays from clientvisits").toInt(), 5);
        mgr.VisitDeleteClick();
        QCOMPARE(Count("clientvisits"), 0);
    }

    void assignBroker() {
        InsertClient(1, "KH001", "li", "li");
        InsertClient(2, "KH002", "li", "li");
        InsertClient(3, "KH003", "li", "li");
        TScriptedEditorFactory editors;
        TScriptedMessenger m;
        TClientMgr mgr;
        OpenLive(mgr);
        QVERIFY_THROWS_EXCEPTION(EAbort, mgr.AssignBrokerClick());
        QCOMPARE(m.shown, QStringList{Denied(1)});
        QCOMPARE(editors.broker.created, 0);

        LogIn("li", ",1,");
        mgr.DataSet()->Next();
        editors.broker.Ok({{"Broker", "wang"}});
        mgr.AssignBrokerClick();
        QCOMPARE(Count("client", "Broker='wang'"), 1);
        QCOMPARE(Scalar("select Broker from client where Id=2").toString(), QStringLiteral("wang"));
        QCOMPARE(mgr.BrokerFld()->AsString(), QStringLiteral("wang"));

        editors.broker.Cancel();
        mgr.AssignBrokerClick();
        int scrolls = 0;
        mgr.SetAfterScroll([&] { ++scrolls; });
        editors.broker.Ok({{"Broker", "zhao"}, {"AssignAll", true}});
        mgr.AssignBrokerClick();
        QCOMPARE(Count("client", "Broker='zhao'"), 3);
        QCOMPARE(mgr.IdFld()->AsInteger(), 1);
        QCOMPARE(scrolls, 1);
    }

    void notesAndAttention() {
        InsertClient(1, "KH001", "", "li");
        TScriptedEditorFactory editors;
        TScriptedMessenger m;
        TClientMgr mgr;
        OpenLive(mgr);
        editors.client.Ok({{"Sex", "女"}});
        mgr.EditClick();
        editors.notes.Ok({{"Notes", "电话核实"}});
        mgr.ChangeNotesUpdateClick();
        QCOMPARE(Scalar("select Notes from clientchanges").toString(), QStringLiteral("电话核实"));
        LogIn("sa");
        mgr.ChangeNotesUpdateClick();
        QCOMPARE(m.shown, QStringList{Info("只有修改人才有权限备注")});

        editors.attention.Ok({{"Attention", true}});
        mgr.AttentionEditorClick();
        QCOMPARE(Count("clientattention", "LoginId='sa' and ClientId=1"), 1);
        LogIn("li");
        mgr.OpenByAttentionClick();
        QVERIFY(mgr.DataSet()->IsEmpty());
        QVERIFY(mgr.Visits()->DataSet()->IsEmpty());
    }
};

ORBEL_DB_TEST_MAIN(TstClientMgr)
#include "tst_clientmgr.moc"
