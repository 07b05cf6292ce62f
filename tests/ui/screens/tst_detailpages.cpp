#include "../../core/operations/MgrTestSupport.h"
#include "../../core/operations/ScriptedEditors.h"
#include "ScriptedMessenger.h"
#include "TestDatabase.h"

#include "operations/ClientMgr.h"
#include "operations/HouseMgr.h"
#include "screens/ClientContactFra.h"
#include "screens/ClientDetailsFra.h"
#include "screens/CoverPanel.h"
#include "screens/HouseContactFra.h"
#include "screens/HouseDealsFra.h"
#include "screens/HouseDetailsFra.h"
#include "screens/RecordInfoBar.h"
#include "screens/SecretBox.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

namespace {

int FirstLive(const QString& table) {
    return Scalar(QStringLiteral("select min(Id) from %1 where abs(IsRecycle)=0").arg(table))
        .toInt();
}

void SetColumn(const QString& table, int id, const QString& column, const QVariant& value) {
    DbConnection().Execute(QStringLiteral("update %1 set %2=:V where Id=:Id").arg(table, column),
                           {Param("V", value), Param("Id", id)});
}

void OpenLive(TRecordSet& set, const QString& table) {
    set.Open(QStringLiteral("select * from %1 where abs(IsRecycle)=0 order by Id").arg(table));
}

// The widget a caption of the page stands for.
QWidget* BoxOf(QWidget* page, const QString& caption) {
    for (QLabel* label : page->findChildren<QLabel*>())
        if (label->text() == caption && label->buddy())
            return label->buddy();
    qFatal("no box captioned %s", qPrintable(caption));
}

QString TextOf(QWidget* page, const QString& caption) {
    QWidget* box = BoxOf(page, caption);
    if (auto* memo = qobject_cast<QPlainTextEdit*>(box))
        return memo->toPlainText();
    if (auto* label = qobject_cast<QLabel*>(box))
        return label->text();
    return qobject_cast<QLineEdit*>(box)->text();
}

// Shows the page in a window of its own and gives `box` the keyboard focus.
void Focus(QWidget* box) {
    QWidget* window = box->window();
    if (!window->isVisible()) {
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
    }
    box->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(box->hasFocus());
}

} // namespace

class TstDetailPages : public QObject {
    Q_OBJECT
  private slots:
    void init() {
        FreshDatabase(TTestContent::Demo);
        LogIn(QStringLiteral("sa"));
    }

    // The door and certificate numbers are masked until focused; what focus shows
    // depends on the operator's rights and the house's broker.
    void secretNumbers_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("loginId");
        QTest::addColumn<QString>("rights");
        QTest::addColumn<QString>("broker");
        QTest::addColumn<QString>("masked");
        QTest::addColumn<QString>("revealed");
        const QString door = QStringLiteral("2单元501室");
        const QString mask = TSecretBox::MaskText();
        const QString refused = QStringLiteral("无权限");
        QTest::newRow("system user") << door << "sa"
                                     << ""
                                     << "zhangmin" << mask << door;
        QTest::newRow("own house") << door << "liqiang"
                                   << ""
                                   << "liqiang" << mask << door;
        QTest::newRow("other broker's house") << door << "wang"
                                              << ",4,25,"
                                              << "zhangmin" << mask << refused;
        QTest::newRow("no broker, right 25") << door << "wang"
                                             << ",25,"
                                             << "" << mask << door;
        QTest::newRow("no broker, right 24 only") << door << "wang"
                                                  << ",24,"
                                                  << "" << mask << refused;
        QTest::newRow("empty, allowed") << ""
                                        << "sa"
                                        << ""
                                        << "zhangmin"
                                        << ""
                                        << "";
        QTest::newRow("empty, refused") << ""
                                        << "wang"
                                        << ""
                                        << "zhangmin"
                                        << "" << refused;
    }
    void secretNumbers() {
        QFETCH(QString, stored);
        QFETCH(QString, loginId);
        QFETCH(QString, rights);
        QFETCH(QString, broker);
        QFETCH(QString, masked);
        QFETCH(QString, revealed);
        const int id = FirstLive("house");
        SetColumn("house", id, "DoorNo", stored);
        SetColumn("house", id, "PropNo", stored);
        SetColumn("house", id, "Broker", broker);
        LogIn(loginId, rights);
        THouseMgr houses;
        OpenLive(houses, "house");
        QCOMPARE(houses.CurrentId(), id);
        THouseDetailsFra page(houses, nullptr);
        TSecretBox* doorNo = page.DoorNoBox();
        TSecretBox* propNo = page.PropNoBox();
        QCOMPARE(BoxOf(&page, "保密地址"), doorNo);
        QCOMPARE(BoxOf(&page, "产权证号"), propNo);
        QCOMPARE(doorNo->text(), masked);
        QCOMPARE(propNo->text(), masked);

        Focus(doorNo);
        QCOMPARE(doorNo->text(), revealed);
        QCOMPARE(propNo->text(), masked);
        Focus(propNo);
        QCOMPARE(doorNo->text(), masked);
        QCOMPARE(propNo->text(), revealed);
    }

    // Every box follows the current house; a row change masks a revealed number.
    void detailsFollowTheRow() {
        THouseMgr houses;
        OpenLive(houses, "house");
        THouseDetailsFra page(houses, nullptr);
        QCOMPARE(TextOf(&page, "物业名称"), houses.HouseNameFld()->AsString());
        Focus(page.DoorNoBox());
        QCOMPARE(page.DoorNoBox()->text(), houses.DoorNoFld()->AsString());

        houses.DataSet()->Next();
        QCOMPARE(page.DoorNoBox()->text(), TSecretBox::MaskText());
        QCOMPARE(TextOf(&page, "物业名称"), houses.HouseNameFld()->AsString());
        QCOMPARE(TextOf(&page, "面积"), houses.AreaCalcFld()->AsString());
        QCOMPARE(TextOf(&page, "装修情况"), houses.DecorationCalcFld()->AsString());
        QCOMPARE(page.InfoBar()->Broker()->text(), houses.BrokerFld()->AsString());
        QCOMPARE(page.InfoBar()->Billman()->text(), houses.BillmanFld()->AsString());
    }

    // The registering operator and the broker open their contact cards.
    void operatorNamesOpenContactCards() {
        const int id = FirstLive("house");
        SetColumn("house", id, "Billman", "zhangmin");
        SetColumn("house", id, "Broker", "liqiang");
        TScriptedEditorFactory editors;
        THouseMgr houses;
        OpenLive(houses, "house");
        THouseDetailsFra page(houses, nullptr);
        page.resize(1000, 220);
        page.show();
        QTest::mouseClick(page.InfoBar()->Billman(), Qt::LeftButton);
        QTest::mouseClick(page.InfoBar()->Broker(), Qt::LeftButton);
        QCOMPARE(editors.contact.shown, 2);
        QCOMPARE(editors.contact.loaded[0]["LoginId"].toString(), QStringLiteral("zhangmin"));
        QCOMPARE(editors.contact.loaded[1]["LoginId"].toString(), QStringLiteral("liqiang"));
        QVERIFY(!editors.contact.loaded[1]["Name"].toString().isEmpty());
    }

    // The sale part is enabled for 出售 and 租售, the rent part for 出租 and 租售.
    void dealTermsByDealType_data() {
        QTest::addColumn<QString>("dealType");
        QTest::addColumn<bool>("sale");
        QTest::addColumn<bool>("rent");
        QTest::newRow("租售") << "租售" << true << true;
        QTest::newRow("出售") << "出售" << true << false;
        QTest::newRow("出租") << "出租" << false << true;
        QTest::newRow("none") << "" << false << false;
    }
    void dealTermsByDealType() {
        QFETCH(QString, dealType);
        QFETCH(bool, sale);
        QFETCH(bool, rent);
        THouseMgr houses;
        OpenLive(houses, "house");
        // The page follows the row as it is edited.
        const QString before = houses.DealTypeFld()->AsString();
        THouseDealsFra page(houses, nullptr);
        houses.DataSet()->Edit();
        houses.DealTypeFld()->SetAsString(dealType == before ? QStringLiteral("x") : dealType);
        houses.DataSet()->Post();
        houses.DataSet()->Edit();
        houses.DealTypeFld()->SetAsString(dealType);
        houses.DataSet()->Post();

        QWidget* fund = BoxOf(&page, "售价(万元)");
        QWidget* price = BoxOf(&page, "单价(元/平方)");
        QWidget* rentBox = BoxOf(&page, "租价");
        QCOMPARE(page.SalePart().size(), 5);
        QVERIFY(page.SalePart().contains(fund) && page.SalePart().contains(price));
        QVERIFY(page.RentPart().contains(rentBox));
        for (QWidget* w : page.SalePart())
            QCOMPARE(w->isEnabled(), sale);
        for (QWidget* w : page.RentPart())
            QCOMPARE(w->isEnabled(), rent);
        QVERIFY(BoxOf(&page, "物业费")->isEnabled());
        // Disabled boxes take the page's colour.
        QCOMPARE(fund->palette().color(QPalette::Disabled, QPalette::Base),
                 page.palette().color(QPalette::Window));
        QCOMPARE(TextOf(&page, "备注"), houses.DealNoteFld()->AsString().remove(u'\r'));
    }

    // The contact of a house or client is covered unless the operator may see it.
    void contactCovering_data() {
        QTest::addColumn<QString>("loginId");
        QTest::addColumn<QString>("rights");
        QTest::addColumn<QString>("broker");
        QTest::addColumn<bool>("covered");
        // %1 stands for the side's contact right.
        QTest::newRow("system user") << "sa"
                                     << ""
                                     << "zhangmin" << false;
        QTest::newRow("own record") << "liqiang"
                                    << ""
                                    << "liqiang" << false;
        QTest::newRow("other broker") << "wang"
                                      << ",4,%1,"
                                      << "zhangmin" << true;
        QTest::newRow("no broker, contact right") << "wang"
                                                  << ",%1,"
                                                  << "" << false;
        QTest::newRow("no broker, right 4") << "wang"
                                            << ",4,"
                                            << "" << false;
        QTest::newRow("no broker, no right") << "wang"
                                             << ",25,"
                                             << "" << true;
    }
    void contactCovering() {
        QFETCH(QString, loginId);
        QFETCH(QString, rights);
        QFETCH(QString, broker);
        QFETCH(bool, covered);
        const int houseId = FirstLive("house");
        const int clientId = FirstLive("client");
        SetColumn("house", houseId, "Broker", broker);
        SetColumn("client", clientId, "Broker", broker);
        THouseMgr houses;
        OpenLive(houses, "house");
        TClientMgr clients;
        OpenLive(clients, "client");

        LogIn(loginId, QString(rights).replace("%1", "24"));
        THouseContactFra housePage(houses, nullptr);
        housePage.resize(900, 200);
        housePage.show();
        QCOMPARE(housePage.Cover()->Covering(), covered);
        QCOMPARE(BoxOf(&housePage, "联系人")->isVisible(), !covered);
        if (covered)
            QCOMPARE(housePage.Cover()->geometry(), housePage.rect());
        QCOMPARE(housePage.Cover()->text(), QStringLiteral("对不起，您没有权限查看此信息！"));
        QCOMPARE(TextOf(&housePage, "联系电话"), houses.LinkTelFld()->AsString());

        LogIn(loginId, QString(rights).replace("%1", "26"));
        TClientContactFra clientPage(clients, nullptr);
        QCOMPARE(clientPage.Cover()->Covering(), covered);
        QCOMPARE(BoxOf(&clientPage, "身份证号")->isVisibleTo(&clientPage), !covered);
        QCOMPARE(TextOf(&clientPage, "客户姓名"), clients.LinkmanFld()->AsString());
    }

    // The cover follows the current record; the contact's address shows what the
    // operator may see of the confidential address.
    void contactCoverFollowsTheRow() {
        const int first = FirstLive("house");
        const int second = Scalar("select min(Id) from house where abs(IsRecycle)=0 and Id>:F",
                                  {Param("F", first)})
                               .toInt();
        SetColumn("house", first, "Broker", "liqiang");
        SetColumn("house", second, "Broker", "zhangmin");
        LogIn("liqiang", ",24,");
        THouseMgr houses;
        OpenLive(houses, "house");
        THouseContactFra page(houses, nullptr);
        QVERIFY(!page.Cover()->Covering());
        QCOMPARE(TextOf(&page, "保密地址"), houses.DoorNoFld()->AsString());
        houses.DataSet()->Next();
        QCOMPARE(houses.CurrentId(), second);
        QVERIFY(page.Cover()->Covering());
        QCOMPARE(TextOf(&page, "保密地址"), QStringLiteral("无权限"));
        houses.DataSet()->Prior();
        QVERIFY(!page.Cover()->Covering());
    }

    // The client's wishes and the line below them follow the current client.
    void clientDetailsFollowTheRow() {
        TClientMgr clients;
        OpenLive(clients, "client");
        TClientDetailsFra page(clients, nullptr);
        for (int step = 0; step < 2; ++step) {
            QCOMPARE(TextOf(&page, "类型"), clients.DealTypeFld()->AsString());
            QCOMPARE(TextOf(&page, "价格"), clients.PriceCalcFld()->AsString());
            QCOMPARE(TextOf(&page, "备注"), clients.NoteFld()->AsString().remove(u'\r'));
            QCOMPARE(page.InfoBar()->Billman()->text(), clients.BillmanFld()->AsString());
            QCOMPARE(TextOf(&page, "编号:"), clients.CodeFld()->AsString());
            QCOMPARE(TextOf(&page, "委托日期:"),
                     clients.BillTimeFld()->AsDateTime().toString("yyyy-MM-dd"));
            clients.DataSet()->Next();
        }
    }

    // Pages over an empty list show nothing, hide the contacts and enable no terms.
    void pagesOverAnEmptyList() {
        LogIn("wang", ",4,24,25,26,");
        THouseMgr houses;
        houses.Open("select * from house where 1=2");
        THouseDetailsFra details(houses, nullptr);
        QCOMPARE(TextOf(&details, "物业名称"), QString());
        QCOMPARE(details.DoorNoBox()->text(), QString());
        Focus(details.DoorNoBox());
        QCOMPARE(details.DoorNoBox()->text(), QStringLiteral("无权限"));
        details.close();
        THouseDealsFra deals(houses, nullptr);
        for (QWidget* w : deals.SalePart() + deals.RentPart())
            QVERIFY(!w->isEnabled());
        THouseContactFra contact(houses, nullptr);
        QVERIFY(contact.Cover()->Covering());
    }
};

ORBEL_DB_UI_TEST_MAIN(TstDetailPages)
#include "tst_detailpages.moc"
