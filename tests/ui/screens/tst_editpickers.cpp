#include "../../core/operations/MgrTestSupport.h"
#include "../../core/operations/ScriptedEditors.h"
#include "ScriptedMessenger.h"
#include "TestDatabase.h"

#include "operations/ClientMgr.h"
#include "operations/HouseMgr.h"
#include "screens/ClientDropPickerFrm.h"
#include "screens/ClientEditPickerFrm.h"
#include "screens/DetailGrid.h"
#include "screens/HouseDropPickerFrm.h"
#include "screens/HouseEditPickerFrm.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

QStringList ColumnFields(const TDetailGrid& grid) {
    QStringList names;
    for (const TGridColumn& c : grid.Columns())
        if (!c.FieldName.isEmpty() && c.FieldName != TzyGridcx::RowNumberTitle())
            names << c.FieldName;
    return names;
}

QStringList EntryCaptions(const TEdtPickerFrm& picker) {
    QStringList captions;
    for (int i = 0; i < picker.Entries()->count(); ++i)
        captions << picker.Entries()->item(i)->text();
    return captions;
}

// Makes a grid row the selected one, as a click on it does.
void SelectRow(TDetailGrid* grid, int row) {
    grid->setCurrentIndex(grid->model()->index(row, 1));
    QCOMPARE(grid->DataSet()->CurrentRow(), row);
}

void AddHistory(const QString& table, const QString& parentKey, int parentId,
                const QStringList& details) {
    for (const QString& text : details) {
        const int id = Scalar(QStringLiteral("select max(Id) from %1").arg(table)).toInt() + 1;
        DbConnection().Execute(
            QStringLiteral(
                "insert into %1(Id, %2, VizType, Details, Billman, Handman) values (:Id, "
                ":P, '电话', :D, 'sa', 'sa')")
                .arg(table, parentKey),
            {Param("Id", id), Param("P", parentId), Param("D", text)});
    }
}

void AddDeals(int houseId, const QStringList& clients) {
    for (const QString& name : clients) {
        const int id = Scalar(QStringLiteral("select max(Id) from deals")).toInt() + 1;
        DbConnection().Execute(
            QStringLiteral("insert into deals(Id, HouseId, DealType, ClientName, Billman) values "
                           "(:Id, :H, '置换', :C, 'sa')"),
            {Param("Id", id), Param("H", houseId), Param("C", name)});
    }
}

} // namespace

class TstEditPickers : public QObject {
    Q_OBJECT
  private slots:
    void init() {
        FreshDatabase(TTestContent::Demo);
        LogIn(QStringLiteral("sa"));
        m_houses = std::make_unique<THouseMgr>();
        m_houses->Open(QStringLiteral("select * from house where Id=:Id"),
                       {Param("Id", Scalar("select min(Id) from house where abs(IsRecycle)=0"))});
        m_houseId = m_houses->CurrentId();
        AddHistory("housevisits", "HouseId", m_houseId, {"第一次看房", "第二次看房"});
        AddDeals(m_houseId, {"赵一", "钱二"});
        m_clients = std::make_unique<TClientMgr>();
        m_clients->Open(QStringLiteral("select * from client where Id=:Id"),
                        {Param("Id", Scalar("select min(Id) from client where abs(IsRecycle)=0"))});
        m_clientId = m_clients->CurrentId();
        AddHistory("clientvisits", "ClientId", m_clientId, {"电话回访", "带看两套"});
        m_houseVisits = HouseVisits();
    }
    void cleanup() {
        m_houses.reset();
        m_clients.reset();
    }

    void layout_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("record");
        QTest::addColumn<QStringList>("entries");
        const QStringList both{"跟踪记录", "成交记录"};
        QTest::newRow("house edit") << 0 << "修改"
                                    << "修改房源信息" << both;
        QTest::newRow("house delete") << 1 << "删除"
                                      << "删除房源及其相关信息" << both;
        QTest::newRow("client edit") << 2 << "修改"
                                     << "修改客户信息" << QStringList{"跟踪记录"};
        QTest::newRow("client delete") << 3 << "删除"
                                       << "删除客户及其相关信息" << QStringList{"跟踪记录"};
    }
    // On creation the first kind is shown: the record's follow-ups, freshly read.
    void layout() {
        QFETCH(int, kind);
        QFETCH(QString, word);
        QFETCH(QString, record);
        QFETCH(QStringList, entries);
        std::unique_ptr<TEdtPickerFrm> picker = Make(kind);
        QCOMPARE(picker->windowTitle(), word);
        QCOMPARE(picker->ActionButton()->text(), word);
        QCOMPARE(picker->RecordButton()->text(), record);
        QCOMPARE(picker->Prompt()->text(), QStringLiteral("请选择您要操作的数据:"));
        QCOMPARE(EntryCaptions(*picker), entries);
        QCOMPARE(picker->Entries()->currentRow(), 0);
        QCOMPARE(ColumnFields(*picker->Grid()).mid(0, 2), QStringList({"VizDate", "Details"}));
        const bool house = kind < 2;
        QCOMPARE(picker->Grid()->RowCount(),
                 house ? m_houseVisits
                       : Count("clientvisits", "ClientId=:C", {Param("C", m_clientId)}));
        QVERIFY(picker->Grid()->RowCount() >= 2);
    }

    void dealsEntryEditsTheSelectedDeal() {
        TScriptedEditorFactory editors;
        THouseEditPickerFrm picker(*m_houses);
        picker.show();
        picker.Entries()->setCurrentRow(1);
        QCOMPARE(ColumnFields(*picker.Grid()),
                 QStringList({"DealType", "SignDate", "ClientName", "ClientTel", "Content",
                              "Handman", "HintDate", "ClientNote"}));
        SelectRow(picker.Grid(), 1);
        const QString chosen = m_houses->Deals()->DataSet()->FieldByName("ClientName")->AsString();
        editors.deal.Ok({{"ClientName", "孙三"}});
        picker.ActionButton()->click();
        QCOMPARE(editors.deal.shown, 1);
        QCOMPARE(editors.deal.loaded.value(0).value("ClientName").toString(), chosen);
        QCOMPARE(Count("deals", "ClientName=:C", {Param("C", chosen)}), 0);
        QCOMPARE(Count("deals", "ClientName='孙三'"), 1);
        QVERIFY(picker.isVisible());
    }

    void visitsEntryEditsTheSelectedVisit() {
        TScriptedEditorFactory editors;
        TClientEditPickerFrm picker(*m_clients);
        picker.show();
        SelectRow(picker.Grid(), 0);
        const QString chosen = m_clients->Visits()->DataSet()->FieldByName("Details")->AsString();
        picker.ActionButton()->click();
        QCOMPARE(editors.visit.shown, 1);
        QCOMPARE(editors.visit.loaded.value(0).value("Details").toString(), chosen);
    }

    void deleteActsOnTheSelectedRowAfterConfirmation() {
        TScriptedMessenger messenger;
        THouseDropPickerFrm picker(*m_houses);
        picker.show();
        SelectRow(picker.Grid(), 1);
        const QString chosen = m_houses->Visits()->DataSet()->FieldByName("Details")->AsString();
        messenger.Answer(TMsgResult::Cancel);
        picker.ActionButton()->click();
        QCOMPARE(messenger.Last(), DeleteQuestion("该记录"));
        QCOMPARE(HouseVisits(), m_houseVisits);

        messenger.Answer(TMsgResult::Ok);
        picker.ActionButton()->click();
        QCOMPARE(HouseVisits(), m_houseVisits - 1);
        QCOMPARE(Count("housevisits", "Details=:D", {Param("D", chosen)}), 0);
        QCOMPARE(picker.Grid()->RowCount(), m_houseVisits - 1);

        picker.Entries()->setCurrentRow(1);
        SelectRow(picker.Grid(), 0);
        const QString deal = m_houses->Deals()->DataSet()->FieldByName("ClientName")->AsString();
        const int deals = Count("deals", "HouseId=:H", {Param("H", m_houseId)});
        picker.ActionButton()->click();
        QCOMPARE(messenger.Last(), DeleteQuestion("该成交记录"));
        QCOMPARE(Count("deals", "ClientName=:C", {Param("C", deal)}), 0);
        QCOMPARE(Count("deals", "HouseId=:H", {Param("H", m_houseId)}), deals - 1);
    }

    // The house goes to the recycle box; the client is deleted for good.
    void recordButtonsCloseWithOk() {
        TScriptedMessenger messenger;
        THouseDropPickerFrm housePicker(*m_houses);
        QTimer::singleShot(0, [&] { housePicker.RecordButton()->click(); });
        QVERIFY(housePicker.Execute());
        QCOMPARE(messenger.Last(), DeleteQuestion("该房源"));
        QCOMPARE(
            Scalar("select IsRecycle from house where Id=:Id", {Param("Id", m_houseId)}).toInt(),
            1);
        QCOMPARE(HouseVisits(), m_houseVisits);

        const QString code = m_clients->CodeFld()->AsString();
        TClientDropPickerFrm clientPicker(*m_clients);
        QTimer::singleShot(0, [&] { clientPicker.RecordButton()->click(); });
        QVERIFY(clientPicker.Execute());
        QVERIFY(messenger.Last().startsWith(QStringLiteral("\r您确定要删除 ") + code));
        QCOMPARE(Count("client", "Id=:Id", {Param("Id", m_clientId)}), 0);
        QCOMPARE(Count("clientvisits", "ClientId=:C", {Param("C", m_clientId)}), 0);
    }

    // A failing record command shows its error and leaves the picker open.
    void recordCommandErrorKeepsThePickerOpen() {
        TScriptedMessenger messenger;
        THouseEditPickerFrm picker(*m_houses);
        picker.show();
        picker.RecordButton()->click(); // no editor factory installed
        QCOMPARE(messenger.Last(), Info(QStringLiteral("没有可用的编辑窗口.")));
        QVERIFY(picker.isVisible());
        picker.CloseButton()->click();
        QVERIFY(!picker.isVisible());
        QCOMPARE(picker.result(), int(QDialog::Rejected));
    }

  private:
    std::unique_ptr<TEdtPickerFrm> Make(int kind) {
        switch (kind) {
        case 0:
            return std::make_unique<THouseEditPickerFrm>(*m_houses);
        case 1:
            return std::make_unique<THouseDropPickerFrm>(*m_houses);
        case 2:
            return std::make_unique<TClientEditPickerFrm>(*m_clients);
        default:
            return std::make_unique<TClientDropPickerFrm>(*m_clients);
        }
    }

    int HouseVisits() const { return Count("housevisits", "HouseId=:H", {Param("H", m_houseId)}); }

    std::unique_ptr<THouseMgr> m_houses;
    std::unique_ptr<TClientMgr> m_clients;
    int m_houseVisits = 0;
    int m_houseId = 0;
    int m_clientId = 0;
};

ORBEL_DB_UI_TEST_MAIN(TstEditPickers)
#include "tst_editpickers.moc"
