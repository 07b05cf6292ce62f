#include "MgrTestSupport.h"
#include "ScriptedEditors.h"
#include "ScriptedMessenger.h"
#include "TestDatabase.h"

#include "app/Error.h"
#include "operations/HouseMgr.h"
#include "operations/ReportPrinter.h"

#include <QTest>

namespace {

const QDateTime kToday = QDate::currentDate().startOfDay();

// What an operator types into the house editor for a valid new house.
QVariantMap NewHouse() {
    return {{"HouseName", "碧园"},
            {"Seat", "1栋"},
            {"Floor", 5},
            {"FloorB", 0},
            {"FloorCount", 18},
            {"DoorNo", "501"},
            {"District", "东区"},
            {"Place", "中心"},
            {"Linkman", "王先生"},
            {"LinkTel", "1390"},
            {"BuildArea", 80},
            {"DealType", "出售"},
            {"Fund", 100},
            {"Price", 12500},
            {"PropNo", "P-1"},
            {"Door", "2"},
            {"BasePrice", "95"},
            {"RentBasePrice", "1"},
            {"Decoration", "精装"},
            {"DecorateYear", 2005},
            {"OutWall", "瓷砖"},
            {"Room", 3},
            {"Hall", 2}};
}

void InsertHouse(int id, const QString& code, const QString& broker, const QString& addor,
                 bool recycled = false) {
    DbConnection().Execute(
        QStringLiteral("insert into house(Id, IsRecycle, Code, HouseName, Seat, Floor, FloorB, "
                       "DoorNo, PropNo, Broker, Addor, Billman, Price, District) values (:Id, :R, "
                       ":Code, '碧园', '1栋', 5, 0, :DoorNo, 'P-7', :Broker, :Addor, :Addor, 5000, "
                       "'东区')"),
        {Param("Id", id), Param("R", recycled ? 1 : 0), Param("Code", code),
         Param("DoorNo", QStringLiteral("50%1").arg(id)), Param("Broker", broker),
         Param("Addor", addor)});
}

void InsertVisit(int id, int houseId, const QString& billman) {
    DbConnection().Execute(QStringLiteral("insert into housevisits(Id, HouseId, VizType, Billman) "
                                          "values (:Id, :H, '电话', :B)"),
                           {Param("Id", id), Param("H", houseId), Param("B", billman)});
}

void InsertDeal(int id, int houseId, const QString& billman) {
    DbConnection().Execute(
        QStringLiteral("insert into deals(Id, HouseId, DealType, ClientName, Billman) values (:Id, "
                       ":H, '置换', '赵', :B)"),
        {Param("Id", id), Param("H", houseId), Param("B", billman)});
}

void OpenLive(THouseMgr& mgr) {
    mgr.Open(QStringLiteral("select * from house where abs(IsRecycle)=0 order by Id"));
}

} // namespace

class TstHouseMgr : public QObject {
    Q_OBJECT
  private slots:
    void init() {
        FreshAgency();
        SetSwitch(TKeyValue::kBrokerMayEdit, true);
        SetSwitch(TKeyValue::kOperatorAsBroker, true);
        SetSwitch(TKeyValue::kAutomaticCodes, false);
        LogIn("li", ",0,");
    }

    // A duplicate is reported and the editor comes back; the changed unit saves.
    void addDuplicateThenSaved() {
        InsertHouse(1, "FY001", "", "wang");
        TScriptedEditorFactory editors;
        TScriptedMessenger m;
        THouseMgr mgr;
        OpenLive(mgr);
        editors.house.Ok(NewHouse());
        editors.house.Ok({{"DoorNo", "502"}});
        mgr.AddClick();

        QCOMPARE(editors.house.shown, 2);
        QCOMPARE(editors.house.captions, QStringList({"登记", "登记"}));
        const QVariantMap first = editors.house.loaded[0];
        QCOMPARE(first["Code"].toString(), QStringLiteral("FY002"));
        QCOMPARE(first["Billman"].toString(), QStringLiteral("li"));
        QCOMPARE(first["Broker"].toString(), QStringLiteral("li"));
        QCOMPARE(first["BillTime"].toDateTime(), kToday);
        QCOMPARE(m.shown,
                 QStringList{Info("已经存在相同的房源记录(物业名称,幢/座,层次,层次B及保密地址)"
                                  ", 该房源编号为FY001, 请检查后再试一次.")});
        // The second attempt kept everything of the first one.
        QCOMPARE(editors.house.loaded[1]["HouseName"].toString(), QStringLiteral("碧园"));

        QCOMPARE(Count("house"), 2);
        QCOMPARE(mgr.DataSet()->RecordCount(), 2);
        QCOMPARE(mgr.CodeFld()->AsString(), QStringLiteral("FY002"));
        QCOMPARE(Scalar("select Code from house where DoorNo='502'").toString(),
                 QStringLiteral("FY002"));
        QCOMPARE(Scalar("select Addor from house where DoorNo='502'").toString(),
                 QStringLiteral("li"));
        QCOMPARE(Scalar("select abs(IsRecycle) from house where DoorNo='502'").toInt(), 0);
        QCOMPARE(Scalar("select Price from house where DoorNo='502'").toDouble(), 12500.0);
        QVERIFY(!mgr.AddTimeFld()->IsNull());
    }

    void addCancelledOrRefused() {
        TScriptedEditorFactory editors;
        TScriptedMessenger m;
        THouseMgr mgr;
        OpenLive(mgr);
        editors.house.Cancel();
        mgr.AddClick();
        QCOMPARE(editors.house.shown, 1);
        QCOMPARE(Count("house"), 0);
        QVERIFY(mgr.DataSet()->IsEmpty());
        QVERIFY(!mgr.DataSet()->Editing());

        LogIn("li", ",4,");
        QVERIFY_THROWS_EXCEPTION(EAbort, mgr.AddClick());
        QVERIFY_THROWS_EXCEPTION(EAbort, mgr.CopyClick());
        QCOMPARE(m.shown, QStringList({Denied(0), Denied(0)}));
        QCOMPARE(editors.house.created, 1);
    }

    // A save error is shown and the editor comes back; nothing half-written stays.
    void addConversionErrorRetries() {
        TScriptedEditorFactory editors;
        TScriptedMessenger m;
        THouseMgr mgr;
        OpenLive(mgr);
        QVariantMap bad = NewHouse();
        bad["BuildYear"] = "九八";
        editors.house.Ok(bad);
        editors.house.Ok({{"BuildYear", 1998}});
        mgr.AddClick();
        QCOMPARE(m.shown, QStringList{Info("\"九八\" 不是有效的整数.")});
        QCOMPARE(editors.house.shown, 2);
        QCOMPARE(Count("house"), 1);
        QCOMPARE(mgr.DataSet()->RecordCount(), 1);
        QCOMPARE(mgr.BuildYearFld()->AsInteger(), 1998);
    }

    void addCodeAndBrokerSwitches_data() {
        QTest::addColumn<bool>("automatic");
        QTest::addColumn<bool>("operatorIsBroker");
        QTest::addColumn<QVariantMap>("typed");
        QTest::addColumn<QString>("proposed");
        QTest::addColumn<QString>("saved");
        QTest::addColumn<QString>("broker");
        QTest::newRow("proposed and kept") << false << true << QVariantMap() << "FY002"
                                           << "FY002"
                                           << "li";
        QTest::newRow("typed by operator")
            << false << false << QVariantMap{{"Code", "A-9"}} << "FY002"
            << "A-9"
            << "";
        QTest::newRow("cleared then generated")
            << false << true << QVariantMap{{"Code", ""}} << "FY002"
            << "FY002"
            << "li";
        QTest::newRow("automatic at save") << true << false << QVariantMap() << ""
                                           << "FY002"
                                           << "";
    }
    void addCodeAndBrokerSwitches() {
        QFETCH(bool, automatic);
        QFETCH(bool, operatorIsBroker);
        QFETCH(QVariantMap, typed);
        QFETCH(QString, proposed);
        QFETCH(QString, saved);
        QFETCH(QString, broker);
        InsertHouse(1, "FY001", "", "li");
        SetSwitch(TKeyValue::kAutomaticCodes, automatic);
        SetSwitch(TKeyValue::kOperatorAsBroker, operatorIsBroker);
        TScriptedEditorFactory editors;
        THouseMgr mgr;
        OpenLive(mgr);
        QVariantMap values = NewHouse();
        values["DoorNo"] = "777";
        values.insert(typed);
        editors.house.Ok(values);
        mgr.AddClick();
        QCOMPARE(editors.house.loaded[0]["Code"].toString(), proposed);
        QCOMPARE(Scalar("select Code from house where DoorNo='777'").toString(), saved);
        QCOMPARE(Scalar("select Broker from house where DoorNo='777'").toString(), broker);
    }

    void copyClick() {
        TScriptedEditorFactory editors;
        THouseMgr mgr;
        OpenLive(mgr);
        editors.house.Ok(NewHouse());
        mgr.AddClick();
        LogIn("zhao", ",0,");
        editors.house.Ok({{"Code", ""}, {"DoorNo", "601"}});
        mgr.CopyClick();
        const QVariantMap copy = editors.house.loaded[1];
        QCOMPARE(copy["Code"].toString(), QStringLiteral("FY002"));
        QCOMPARE(copy["Billman"].toString(), QStringLiteral("zhao"));
        QCOMPARE(copy["Broker"].toString(), QStringLiteral("zhao"));
        for (const char* emptied :
             {"DoorNo", "Linkman", "LinkTel", "PropNo", "Door", "BasePrice", "RentBasePrice"})
            QVERIFY2(copy[emptied].toString().isEmpty(), emptied);
        QCOMPARE(copy["HouseName"].toString(), QStringLiteral("碧园"));
        QCOMPARE(copy["Price"].toDouble(), 12500.0);
        QCOMPARE(copy["Room"].toInt(), 3);
        QCOMPARE(copy["Decoration"].toString(), QStringLiteral("精装"));
        QCOMPARE(Count("house"), 2);
        // An emptied code is saved empty.
        QCOMPARE(Scalar("select Code from house where DoorNo='601'").toString(), QString());
        QCOMPARE(Scalar("select Addor from house where DoorNo='601'").toString(),
                 QStringLiteral("zhao"));
    }

    void editWritesChangeLog() {
        TScriptedEditorFactory editors;
        TScriptedMessenger m;
        THouseMgr mgr;
        OpenLive(mgr);
        QVariantMap values = NewHouse();
        values["Price"] = 5000;
        editors.house.Ok(values);
        mgr.AddClick();
        const int id = mgr.IdFld()->AsInteger();

        // Nothing changed: no entry.
        editors.house.Ok();
        QVERIFY(mgr.EditClick());
        QCOMPARE(editors.house.captions.last(), QStringLiteral("修改"));
        QCOMPARE(editors.house.loaded.last()["DoorNo"].toString(), QStringLiteral("501"));
        QCOMPARE(Count("housechanges"), 0);

        // A failed attempt leaves nothing of its own in the text.
        editors.house.Ok({{"Linkman", "李"}, {"Floor", "五"}});
        editors.house.Ok({{"Linkman", "王先生"}, {"Floor", 5}, {"Price", 5200}});
        QVERIFY(mgr.EditClick());
        QCOMPARE(m.shown, QStringList{Info("\"五\" 不是有效的整数.")});
        QCOMPARE(Count("housechanges"), 1);
        QCOMPARE(Scalar("select ChangeDetails from housechanges").toString(),
                 QStringLiteral("单价(元): \"5000\" → \"5200\"\r\n"));
        QCOMPARE(Scalar("select Changer from housechanges").toString(), QStringLiteral("li"));
        QCOMPARE(Scalar("select HouseId from housechanges").toInt(), id);
        QCOMPARE(Scalar("select Price from house").toDouble(), 5200.0);
        QCOMPARE(mgr.Changes()->DataSet()->RecordCount(), 1);

        editors.house.Cancel();
        QVERIFY(!mgr.EditClick());
        QCOMPARE(Count("housechanges"), 1);
    }

    // When the change log cannot be written, the update is rolled back with it and
    // the listed row keeps its old values.
    void editChangeLogFailureRollsBack() {
        TScriptedEditorFactory editors;
        TScriptedMessenger m;
        THouseMgr mgr;
        OpenLive(mgr);
        QVariantMap values = NewHouse();
        values["Price"] = 5000;
        editors.house.Ok(values);
        mgr.AddClick();
        DbConnection().Execute(QStringLiteral("drop table housechanges"));
        editors.house.Ok({{"Price", 5200}});
        QVERIFY(!mgr.EditClick());
        QCOMPARE(editors.house.shown, 3); // the editor came back and was cancelled
        QVERIFY(!m.shown.isEmpty());
        QCOMPARE(Scalar("select Price from house").toDouble(), 5000.0);
        QCOMPARE(mgr.PriceFld()->AsFloat(), 5000.0);
        QVERIFY(!mgr.DataSet()->Editing());
    }

    // Stored NULLs differ from every new value, empty texts included.
    void editNullFieldsAreLogged() {
        InsertHouse(1, "FY001", "", "li");
        TScriptedEditorFactory editors;
        THouseMgr mgr;
        OpenLive(mgr);
        editors.house.Ok();
        QVERIFY(mgr.EditClick());
        const QString text = Scalar("select ChangeDetails from housechanges").toString();
        QVERIFY(
            text.startsWith(QStringLiteral("联系人: \"\" → \"\"\r\n联系电话: \"\" → \"\"\r\n")));
        QVERIFY(!text.contains(QStringLiteral("编号")));
        QVERIFY(text.contains(QStringLiteral("层次B")) == false);
    }

    void canEdit_data() {
        QTest::addColumn<QString>("broker");
        QTest::addColumn<QString>("addor");
        QTest::addColumn<QString>("login");
        QTest::addColumn<QString>("rights");
        QTest::addColumn<bool>("brokerMayEdit");
        QTest::addColumn<bool>("allowed");
        QTest::newRow("recorder after broker assigned") << "wang"
                                                        << "li"
                                                        << "li"
                                                        << ",0,25,24," << true << false;
        QTest::newRow("broker, switch on") << "li"
                                           << "wang"
                                           << "li"
                                           << "" << true << true;
        QTest::newRow("broker, switch off") << "li"
                                            << "wang"
                                            << "li"
                                            << "" << false << false;
        QTest::newRow("right 4") << "wang"
                                 << "wang"
                                 << "li"
                                 << ",4," << false << true;
        QTest::newRow("sa") << "wang"
                            << "wang"
                            << "sa"
                            << "" << false << true;
        QTest::newRow("no broker, recorder") << ""
                                             << "li"
                                             << "li"
                                             << "" << false << true;
        QTest::newRow("no broker, other") << ""
                                          << "wang"
                                          << "li"
                                          << ",0," << true << false;
    }
    void canEdit() {
        QFETCH(QString, broker);
        QFETCH(QString, addor);
        QFETCH(QString, login);
        QFETCH(QString, rights);
        QFETCH(bool, brokerMayEdit);
        QFETCH(bool, allowed);
        InsertHouse(1, "FY001", broker, addor);
        SetSwitch(TKeyValue::kBrokerMayEdit, brokerMayEdit);
        LogIn(login, rights);
        TScriptedEditorFactory editors;
        TScriptedMessenger m;
        THouseMgr mgr;
        OpenLive(mgr);
        editors.house.Ok();
        QCOMPARE(mgr.EditClick(), allowed);
        QCOMPARE(editors.house.created, allowed ? 1 : 0);
        QCOMPARE(m.shown,
                 allowed ? QStringList() : QStringList{Info("对不起，您没有权限修改该信息.")});
        m.Clear();
        mgr.PutinRecycleClick();
        QCOMPARE(Count("house", "abs(IsRecycle)=1"), allowed ? 1 : 0);
    }

    void secretsAndContact_data() {
        QTest::addColumn<QString>("broker");
        QTest::addColumn<QString>("login");
        QTest::addColumn<QString>("rights");
        QTest::addColumn<bool>("secret");
        QTest::addColumn<bool>("contact");
        QTest::newRow("other broker, rights") << "wang"
                                              << "li"
                                              << ",4,24,25," << false << false;
        QTest::newRow("other broker, sa") << "wang"
                                          << "sa"
                                          << "" << true << true;
        QTest::newRow("own house") << "li"
                                   << "li"
                                   << "" << true << true;
        QTest::newRow("no broker, 25") << ""
                                       << "li"
                                       << ",25," << true << false;
        QTest::newRow("no broker, 24") << ""
                                       << "li"
                                       << ",24," << false << true;
        QTest::newRow("no broker, 4") << ""
                                      << "li"
                                      << ",4," << true << true;
        QTest::newRow("no broker, none") << ""
                                         << "li"
                                         << ",0," << false << false;
    }
    void secretsAndContact() {
        QFETCH(QString, broker);
        QFETCH(QString, login);
        QFETCH(QString, rights);
        QFETCH(bool, secret);
        QFETCH(bool, contact);
        InsertHouse(3, "FY001", broker, "li");
        LogIn(login, rights);
        THouseMgr mgr;
        OpenLive(mgr);
        QCOMPARE(mgr.CanSeeSecret(), secret);
        QCOMPARE(mgr.CanSeeContact(), contact);
        QCOMPARE(mgr.DoorNo(), secret ? QStringLiteral("503") : QStringLiteral("无权限"));
        QCOMPARE(mgr.PropNo(), secret ? QStringLiteral("P-7") : QStringLiteral("无权限"));
        QCOMPARE(mgr.IdAndCode(), QStringLiteral("房源ID是3, 编号是FY001."));
    }

    void dropWithConfirmation() {
        InsertHouse(1, "FY001", "", "li");
        InsertHouse(2, "FY001", "", "li");
        InsertVisit(1, 1, "li");
        InsertDeal(1, 1, "li");
        DbConnection().Execute("insert into housechanges(Id, HouseId) values (1, 1)");
        DbConnection().Execute("insert into houseimages(Id, HouseId) values (1, 1)");
        DbConnection().Execute("insert into houseattention(LoginId, HouseId) values ('li', 1)");
        TScriptedMessenger m;
        THouseMgr mgr;
        OpenLive(mgr);
        m.Answer(TMsgResult::Cancel);
        mgr.DropClick();
        QCOMPARE(m.shown, QStringList{DeleteQuestion("FY001号房源, 这将永久删除, 您确定")});
        QCOMPARE(Count("house"), 2);
        mgr.DropClick();
        QCOMPARE(Count("house"), 1);
        QCOMPARE(Scalar("select Id from house").toInt(), 2);
        for (const char* table :
             {"housevisits", "deals", "housechanges", "houseimages", "houseattention"})
            QVERIFY2(Count(table) == 0, table);
        QCOMPARE(mgr.DataSet()->RecordCount(), 1);
    }

    void recycleToggle() {
        InsertHouse(1, "FY001", "", "li");
        TScriptedMessenger m;
        THouseMgr mgr;
        OpenLive(mgr);
        m.Answer(TMsgResult::Cancel);
        mgr.PutinRecycleClick();
        QCOMPARE(m.shown, QStringList{DeleteQuestion("该房源")});
        QCOMPARE(Count("house", "abs(IsRecycle)=1"), 0);
        mgr.PutinRecycleClick();
        QCOMPARE(Count("house", "abs(IsRecycle)=1"), 1);
        QVERIFY(mgr.DataSet()->IsEmpty());

        // The recycle box's own manager restores without asking.
        m.Clear();
        THouseMgr box;
        box.OpenRecycled();
        QCOMPARE(box.DataSet()->RecordCount(), 1);
        box.PutinRecycleClick();
        QCOMPARE(m.shown, QStringList());
        QCOMPARE(Count("house", "abs(IsRecycle)=0"), 1);
        QVERIFY(box.DataSet()->IsEmpty());
    }

    void visits() {
        InsertHouse(1, "FY001", "wang", "wang");
        InsertVisit(1, 1, "wang");
        TScriptedEditorFactory editors;
        TScriptedMessenger m;
        THouseMgr mgr;
        OpenLive(mgr);
        QCOMPARE(mgr.Visits()->DataSet()->RecordCount(), 1);

        // Not the broker and without right 4: refused before any editor opens.
        QVERIFY_THROWS_EXCEPTION(EAbort, mgr.VisitAddClick());
        mgr.VisitEditClick();
        mgr.VisitDeleteClick();
        QCOMPARE(m.shown, QStringList({Denied(4), Info("您不是该记录的所有者,不能进行修改操作."),
                                       Info("您不是该记录的所有者,不能进行该项操作.")}));
        QCOMPARE(editors.visit.created, 0);

        LogIn("li", ",4,");
        m.Clear();
        const QDateTime hint(QDate(2030, 5, 1), QTime(0, 0));
        editors.visit.Ok({{"VizType", "上门"}, {"Details", "看房"}, {"HintDate", hint}});
        mgr.VisitAddClick();
        QCOMPARE(Count("housevisits"), 2);
        QCOMPARE(Scalar("select Billman from housevisits where Id=2").toString(),
                 QStringLiteral("li"));
        QCOMPARE(Scalar("select HouseId from housevisits where Id=2").toInt(), 1);
        QCOMPARE(Scalar("select HintDays from housevisits where Id=2").toInt(), 3);
        QCOMPARE(TField::ToDateTime(Scalar("select VizDate from housevisits where Id=2")), kToday);
        QCOMPARE(TField::ToDateTime(Scalar("select HintDate from housevisits where Id=2")), hint);

        // The current follow-up is the new one; right 4 lets it be changed and deleted.
        mgr.Visits()->DataSet()->Locate("Id", 1);
        editors.visit.Ok({{"HintDays", "三"}});
        editors.visit.Ok({{"HintDays", 3}, {"Details", "再次看房"}, {"HintDate", QVariant()}});
        mgr.VisitEditClick();
        // A failed follow-up edit of a house shows the bare error text.
        QCOMPARE(m.shown, QStringList{"\"三\" 不是有效的整数."});
        m.Clear();
        QCOMPARE(editors.visit.loaded.last()["VizType"].toString(), QStringLiteral("电话"));
        QCOMPARE(Scalar("select Details from housevisits where Id=1").toString(),
                 QStringLiteral("再次看房"));
        QVERIFY(Scalar("select HintDate from housevisits where Id=1").isNull());
        m.Answer(TMsgResult::Cancel);
        mgr.VisitDeleteClick();
        QCOMPARE(Count("housevisits"), 2);
        mgr.VisitDeleteClick();
        QCOMPARE(m.shown, QStringList({DeleteQuestion("该记录"), DeleteQuestion("该记录")}));
        QCOMPARE(Count("housevisits", "Id=1"), 0);
    }

    void deals() {
        InsertHouse(1, "FY001", "li", "li");
        InsertDeal(1, 1, "wang");
        TScriptedEditorFactory editors;
        TScriptedMessenger m;
        THouseMgr mgr;
        OpenLive(mgr);

        editors.deal.Ok({{"ClientName", "钱"}, {"DealType", "租赁"}, {"Handman", "li"}});
        mgr.DealAddClick();
        QCOMPARE(editors.deal.loaded[0]["HouseCode"].toString(), QStringLiteral("FY001"));
        QCOMPARE(Count("deals", "ClientName='钱' and Billman='li' and HouseId=1"), 1);

        // The deal of another operator needs right 4.
        mgr.Deals()->DataSet()->Locate("Id", 1);
        QVERIFY_THROWS_EXCEPTION(EAbort, mgr.DealEditClick());
        QVERIFY_THROWS_EXCEPTION(EAbort, mgr.DealDeleteClick());
        QCOMPARE(m.shown, QStringList({Denied(4), Denied(4)}));

        LogIn("li", ",4,");
        m.Clear();
        editors.deal.Ok({{"Content", "签约"}});
        mgr.DealEditClick();
        QCOMPARE(editors.deal.loaded.last()["ClientName"].toString(), QStringLiteral("赵"));
        QCOMPARE(editors.deal.loaded.last()["HintDays"].toInt(), 0);
        QCOMPARE(Scalar("select Content from deals where Id=1").toString(), QStringLiteral("签约"));
        mgr.DealDeleteClick();
        QCOMPARE(m.shown, QStringList{DeleteQuestion("该成交记录")});
        QCOMPARE(Count("deals"), 1);
    }

    void changeNotes() {
        InsertHouse(1, "FY001", "", "li");
        DbConnection().Execute("insert into housechanges(Id, HouseId, Changer, Notes) values (1, "
                               "1, 'wang', 'old')");
        TScriptedEditorFactory editors;
        TScriptedMessenger m;
        THouseMgr mgr;
        OpenLive(mgr);
        LogIn("sa");
        mgr.ChangeNotesUpdateClick();
        QCOMPARE(m.shown, QStringList{Info("只有修改人才有权限备注")});
        LogIn("wang");
        editors.notes.Ok({{"Notes", "new"}});
        mgr.ChangeNotesUpdateClick();
        QCOMPARE(editors.notes.loaded[0]["Notes"].toString(), QStringLiteral("old"));
        QCOMPARE(Scalar("select Notes from housechanges").toString(), QStringLiteral("new"));
    }

    void attention() {
        InsertHouse(1, "FY001", "", "li");
        InsertHouse(2, "FY002", "", "li");
        TScriptedEditorFactory editors;
        THouseMgr mgr;
        OpenLive(mgr);
        editors.attention.Ok({{"Attention", true}});
        mgr.AttentionEditorClick();
        QCOMPARE(editors.attention.loaded[0]["Attention"].toBool(), false);
        mgr.OpenByAttentionClick();
        QCOMPARE(mgr.DataSet()->RecordCount(), 1);
        QCOMPARE(mgr.IdFld()->AsInteger(), 1);
        editors.attention.Ok({{"Attention", false}});
        mgr.AttentionEditorClick();
        QCOMPARE(editors.attention.loaded[1]["Attention"].toBool(), true);
        QCOMPARE(Count("houseattention"), 0);
        editors.attention.Cancel();
        mgr.AttentionEditorClick();
        QCOMPARE(Count("houseattention"), 0);
    }

    // Details follow every open; the one handler hears every row change.
    void detailsAndNotifications() {
        InsertHouse(1, "FY001", "", "li");
        InsertHouse(2, "FY002", "", "li");
        InsertVisit(1, 1, "li");
        InsertVisit(2, 2, "li");
        InsertVisit(3, 2, "li");
        InsertDeal(1, 2, "li");
        THouseMgr mgr;
        int scrolls = 0;
        mgr.SetAfterScroll([&] { ++scrolls; });
        OpenLive(mgr);
        QCOMPARE(mgr.Visits()->DataSet()->RecordCount(), 1);
        QVERIFY(mgr.Deals()->DataSet()->IsEmpty());
        QVERIFY(mgr.Images()->DataSet()->Active());
        const int before = scrolls;
        mgr.DataSet()->Next();
        QCOMPARE(scrolls, before + 1);
        mgr.RefreshDetails();
        QCOMPARE(mgr.Visits()->DataSet()->RecordCount(), 2);
        QCOMPARE(mgr.Deals()->DataSet()->RecordCount(), 1);
        mgr.SetAfterScroll(nullptr);
        mgr.DataSet()->First();
        QCOMPARE(scrolls, before + 1);
        mgr.Open(QStringLiteral("select * from house where Id=2"));
        QCOMPARE(mgr.Visits()->DataSet()->RecordCount(), 2);
        mgr.Open(QStringLiteral("select * from house where 1=2"));
        QVERIFY(mgr.Visits()->DataSet()->IsEmpty());
    }

    // Reports get the list and the details of the current house, refreshed
    // first, in the order the templates name them d0..d4.
    void printHandsOverCurrentDetails() {
        InsertHouse(1, "FY001", "", "li");
        InsertHouse(2, "FY002", "", "li");
        InsertVisit(1, 2, "li");
        InsertVisit(2, 2, "li");
        THouseMgr mgr;
        OpenLive(mgr);
        mgr.DataSet()->Next(); // the details still belong to house 1
        TRecordingReportPrinter printer;
        SetReportPrinter(&printer);
        mgr.PrintReport(7);
        mgr.PrintDesign();
        SetReportPrinter(nullptr);
        QCOMPARE(printer.calls, (QStringList{"print 7", "design 0"}));
        const QList<TDataSet*> expected{mgr.DataSet(), mgr.Images()->DataSet(),
                                        mgr.Visits()->DataSet(), mgr.Deals()->DataSet(),
                                        mgr.Changes()->DataSet()};
        QCOMPARE(printer.dataSets, expected);
        QCOMPARE(printer.rowCounts[2], 2);
        QVERIFY_THROWS_EXCEPTION(EOrbelError, mgr.PrintReport(7));
    }

    void decorationCalc() {
        TScriptedEditorFactory editors;
        THouseMgr mgr;
        OpenLive(mgr);
        QVariantMap values = NewHouse();
        values["DecorateMonth"] = 6;
        values["WinDoor"] = "铝合金";
        editors.house.Ok(values);
        mgr.AddClick();
        QCOMPARE(mgr.DecorationCalcFld()->AsString(),
                 QStringLiteral("2005年6月 精装 瓷砖   铝合金 "));
        QVERIFY(!mgr.DecorationCalcFld()->Visible());
        QCOMPARE(mgr.DecorationCalcFld()->DisplayLabel(), QStringLiteral("装修描述"));
    }

    void contactCardsAndPhotos() {
        AddOperator("wang", "王五", "1381");
        InsertHouse(1, "FY001", "wang", "li");
        TScriptedEditorFactory editors;
        THouseMgr mgr;
        OpenLive(mgr);
        mgr.ShowBrokermanClick();
        mgr.ShowAddmanClick();
        QCOMPARE(editors.contact.shown, 2);
        const QVariantMap broker = editors.contact.loaded[0];
        QCOMPARE(broker["LoginId"].toString(), QStringLiteral("wang"));
        QCOMPARE(broker["Name"].toString(), QStringLiteral("王五"));
        QCOMPARE(broker["Contact"].toString(), QStringLiteral("1381"));
        QCOMPARE(broker["Note"].toString(), QStringLiteral("备注王五"));
        QCOMPARE(editors.contact.loaded[1]["LoginId"].toString(), QString()); // unknown: empty
        QCOMPARE(editors.contact.loaded[1]["Name"].toString(), QString());

        mgr.PictureClick();
        QCOMPARE(editors.photo.shown, 1);
        mgr.Open(QStringLiteral("select * from house where 1=2"));
        mgr.PictureClick();
        mgr.VisitAddClick();
        mgr.DealAddClick();
        QCOMPARE(editors.photo.shown, 1);
        QCOMPARE(editors.visit.created + editors.deal.created, 0);
    }

    void advancedFind() {
        InsertHouse(1, "FY001", "", "li");
        InsertHouse(2, "FY002", "", "li");
        DbConnection().Execute("update house set District='西区', Floor=-1 where Id=2");
        TScriptedEditorFactory editors;
        THouseMgr mgr;
        OpenLive(mgr);
        editors.finder.Ok({{"District", "西区"}, {"Room", "不限"}, {"FloorFrom", "-1"}});
        mgr.AdvancedFind(QStringLiteral("全部"));
        QCOMPARE(mgr.DataSet()->RecordCount(), 1);
        QCOMPARE(mgr.IdFld()->AsInteger(), 2);

        editors.finder.Ok({{"District", "不限"}, {"FloorTo", "-1"}, {"Code", "FY"}});
        mgr.AdvancedFind(QStringLiteral("全部"));
        QCOMPARE(mgr.DataSet()->RecordCount(), 2);

        // Cancel and a bad number leave the list alone.
        editors.finder.Cancel();
        mgr.AdvancedFind(QStringLiteral("全部"));
        editors.finder.Ok({{"AreaFrom", "八十"}});
        QVERIFY_THROWS_EXCEPTION(EOrbelError, mgr.AdvancedFind(QStringLiteral("全部")));
        QCOMPARE(mgr.DataSet()->RecordCount(), 2);
    }
};

ORBEL_DB_TEST_MAIN(TstHouseMgr)
#include "tst_housemgr.moc"
