#include "ModalDriver.h"
#include "ScriptedMessenger.h"
#include "TestDatabase.h"

#include "../../core/operations/MgrTestSupport.h"
#include "../../core/operations/ScriptedEditors.h"

#include "app/Error.h"
#include "operations/HouseMgr.h"
#include "screens/CommaText.h"
#include "screens/HouseEditorFrm.h"
#include "screens/MultiChoiceFrm.h"
#include "toolkit/zyComboBox.h"
#include "toolkit/zyEdit.h"

#include <QCheckBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <algorithm>
#include <memory>

namespace {

// The scripted editors, except that houses are entered in the real house editor.
class TRealHouseEditorFactory : public TScriptedEditorFactory {
  public:
    std::unique_ptr<THouseEditor> CreateHouseEditor() override {
        return std::make_unique<THouseEditorFrm>();
    }
};

// What an operator enters for a valid house for sale.
const QList<QPair<QString, QVariant>> kValidHouse{
    {"HouseName", "碧园"}, {"Seat", "1栋"},        {"Floor", 5},         {"FloorCount", 18},
    {"DoorNo", "501"},     {"District", "西湖区"}, {"Place", "文三"},    {"Linkman", "王先生"},
    {"LinkTel", "1390"},   {"BuildArea", 80},      {"DealType", "出售"}, {"Fund", 100},
    {"Price", 12500}};

void Fill(THouseEditorFrm& editor, const QList<QPair<QString, QVariant>>& values) {
    for (const auto& [name, value] : values)
        editor.SetProperty(name, value);
}

template <class T = TzyEdit> T* Control(QWidget& editor, const QString& name) {
    T* control = editor.findChild<T*>(name);
    if (!control)
        throw EOrbelError(QStringLiteral("no control ") + name);
    return control;
}

void ShowActive(QWidget& window) {
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

void FocusOn(QWidget* control) {
    control->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
}

// A value of each published property, as an operator could enter it.
QVariant SampleOf(const TEditorProperty& p) {
    switch (p.Kind) {
    case TPropertyKind::Integer:
        return 7;
    case TPropertyKind::Decimal:
        return 80.25;
    case TPropertyKind::Money:
        return 12.3456;
    case TPropertyKind::DateTime:
        return QDateTime(QDate(2026, 12, 1), QTime(9, 30, 5));
    default:
        return p.Name == QLatin1String("DealType")   ? QStringLiteral("租售")
               : p.Name == QLatin1String("LinkNote") ? QStringLiteral("第一行\r\n第二行")
                                                     : QStringLiteral("%1值").arg(p.Name);
    }
}

} // namespace

class TstHouseEditorFrm : public QObject {
    Q_OBJECT
  private slots:
    void init() {
        FreshDatabase(TTestContent::Delivered);
        ProgramOptions().Refresh();
        m_messenger = std::make_unique<TScriptedMessenger>();
    }
    void cleanup() { m_messenger.reset(); }

    void newEditorIsEmpty() {
        THouseEditorFrm editor;
        for (const TEditorProperty& p : THouseEditor::Published()) {
            const QVariant v = editor.Property(p.Name);
            QVERIFY2(v.toString().isEmpty() || v.toString() == QLatin1String("0"),
                     qPrintable(p.Name + "=" + v.toString()));
        }
        QCOMPARE(editor.Text("DealType"), QString());
        QVERIFY(!editor.SaleCheck()->isChecked() && !editor.RentCheck()->isChecked());
        for (const char* name :
             {"edtFund1", "edtPrice1", "edtBasePrice1", "edtRentFund1", "edtRentBasePrice1"})
            QVERIFY2(!Control(editor, name)->isEnabled(), name);
        QVERIFY(!Control<TzyComboBox>(editor, "cmbRentFundUnit1")->isEnabled());
        QVERIFY(!Control(editor, "edtBroker1")->isEnabled());
        // Pick lists are filled and the boxes still show nothing.
        auto* district = Control<TzyComboBox>(editor, "cmbDistrict1");
        QCOMPARE(district->itemText(0), QStringLiteral("上城区"));
        QCOMPARE(district->currentText(), QString());
        auto* settle = Control<TzyComboBox>(editor, "cmbCanSettle1");
        QCOMPARE(settle->count(), 2);
        QCOMPARE(settle->itemText(1), QStringLiteral("不能"));
        QCOMPARE(Control<TzyComboBox>(editor, "cmbKeys1")->itemText(0), QStringLiteral("有"));
        QCOMPARE(Control<TzyComboBox>(editor, "cmbRentFundUnit1")->itemText(0),
                 QStringLiteral("元/月"));
    }

    // Every published property is served by a control and reads back what was written.
    void everyPropertyRoundTrips() {
        THouseEditorFrm editor;
        QList<TEditorProperty> props = THouseEditor::Published();
        // The deal type first: writing it empties the prices of unchecked sections.
        std::stable_partition(props.begin(), props.end(),
                              [](const TEditorProperty& p) { return p.Name == "DealType"; });
        for (const TEditorProperty& p : props)
            editor.SetProperty(p.Name, SampleOf(p));
        for (const TEditorProperty& p : props) {
            const QVariant expected = TPropertyEditor::Normalize(p.Kind, SampleOf(p));
            QVERIFY2(editor.Property(p.Name) == expected,
                     qPrintable(p.Name + ": " + editor.Property(p.Name).toString()));
        }
        QCOMPARE(editor.Number("Fund"), 12.3456);
    }

    void conversions() {
        THouseEditorFrm editor;
        Control(editor, "edtFloor1")->setText("12a");
        try {
            editor.Property("Floor");
            QFAIL("a bad floor was read");
        } catch (const EOrbelError& e) {
            QCOMPARE(e.Message(), QStringLiteral("\"12a\" 不是有效的整数."));
        }
        Control(editor, "edtBuildArea1")->setText("八十");
        try {
            editor.Property("BuildArea");
            QFAIL("a bad area was read");
        } catch (const EOrbelError& e) {
            QCOMPARE(e.Message(), QStringLiteral("\"八十\" 不是有效的数字."));
        }
        editor.SetProperty("DealType", "出租");
        Control(editor, "edtRentFund1")->setText("1500.123456");
        QCOMPARE(editor.Number("RentFund"), 1500.1235);
        editor.SetProperty("Room", 0);
        QCOMPARE(Control(editor, "edtRoom1")->text(), QString());
        editor.SetProperty("BillTime", QDate(2026, 12, 11).startOfDay());
        QCOMPARE(Control(editor, "edtBillTime1")->text(), QStringLiteral("2026-12-11"));
        QCOMPARE(editor.DateTime("BillTime"), QDate(2026, 12, 11).startOfDay());
    }

    void firstFocus_data() {
        QTest::addColumn<bool>("automatic");
        QTest::addColumn<QString>("focused");
        QTest::newRow("codes typed") << false << "edtCode1";
        QTest::newRow("codes automatic") << true << "edtHouseName1";
    }
    void firstFocus() {
        QFETCH(bool, automatic);
        QFETCH(QString, focused);
        TKeyValue().SetFlag(TKeyValue::kAutomaticCodes, automatic);
        THouseEditorFrm editor;
        QCOMPARE(Control(editor, "edtCode1")->isEnabled(), !automatic);
        ShowActive(editor);
        QCOMPARE(QApplication::focusWidget()->objectName(), focused);
    }

    void dealTypeCouplesSections_data() {
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("read");
        QTest::addColumn<bool>("sale");
        QTest::addColumn<bool>("rent");
        QTest::newRow("sale") << "出售"
                              << "出售" << true << false;
        QTest::newRow("rent") << "出租"
                              << "出租" << false << true;
        QTest::newRow("both") << "租售"
                              << "租售" << true << true;
        QTest::newRow("other word") << "置换"
                                    << "" << false << false;
    }
    void dealTypeCouplesSections() {
        QFETCH(QString, written);
        QFETCH(QString, read);
        QFETCH(bool, sale);
        QFETCH(bool, rent);
        THouseEditorFrm editor;
        editor.SetProperty("DealType", "租售"); // a change from both sections checked
        editor.SetProperty("DealType", written);
        QCOMPARE(editor.Text("DealType"), read);
        for (const char* name : {"edtFund1", "edtPrice1", "edtBasePrice1"})
            QCOMPARE(Control(editor, name)->isEnabled(), sale);
        for (const char* name : {"edtRentFund1", "edtRentBasePrice1"})
            QCOMPARE(Control(editor, name)->isEnabled(), rent);
        QCOMPARE(Control<TzyComboBox>(editor, "cmbRentFundUnit1")->isEnabled(), rent);
    }

    void uncheckingSaleEmptiesItsPrices() {
        THouseEditorFrm editor;
        Fill(editor, {{"DealType", "租售"},
                      {"Fund", 100},
                      {"Price", 12500},
                      {"BasePrice", "95"},
                      {"RentFund", 1500},
                      {"RentFundUnit", "元/月"},
                      {"RentBasePrice", "1400"}});
        ShowActive(editor);
        QTest::mouseClick(editor.SaleCheck(), Qt::LeftButton);
        QCOMPARE(editor.Text("DealType"), QStringLiteral("出租"));
        QCOMPARE(editor.Number("Fund"), 0.0);
        QCOMPARE(editor.Number("Price"), 0.0);
        QCOMPARE(editor.Text("BasePrice"), QString());
        QCOMPARE(editor.Number("RentFund"), 1500.0);
        QTest::mouseClick(editor.SaleCheck(), Qt::LeftButton);
        QVERIFY(Control(editor, "edtFund1")->isEnabled());
        QCOMPARE(Control(editor, "edtFund1")->text(), QString());
        QCOMPARE(editor.Text("BasePrice"), QString());
        QTest::mouseClick(editor.RentCheck(), Qt::LeftButton);
        QCOMPARE(editor.Number("RentFund"), 0.0);
        QCOMPARE(editor.Text("RentFundUnit"), QString());
        QCOMPARE(editor.Text("RentBasePrice"), QString());
    }

    // Each check in turn: one entry spoilt from a valid house; OK keeps the dialog
    // open with its entries and shows the message.
    void checksBeforeOk_data() {
        QTest::addColumn<QString>("property");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("message");
        const QString required =
            QStringLiteral("区域、地块、物业名称、联系电话、建筑面积为必填项.");
        QTest::newRow("no deal type") << "DealType" << QVariant("") << "出售或出租至少要选一项";
        QTest::newRow("district") << "District" << QVariant("") << required;
        QTest::newRow("place") << "Place" << QVariant("") << required;
        QTest::newRow("telephone of blanks") << "LinkTel" << QVariant("   ") << required;
        QTest::newRow("house name of blanks") << "HouseName" << QVariant("  ") << required;
        QTest::newRow("area") << "BuildArea" << QVariant(0) << required;
        QTest::newRow("sale price") << "Fund" << QVariant(0) << "出售房源必须填写售价及单价.";
        QTest::newRow("unit price") << "Price" << QVariant(0) << "出售房源必须填写售价及单价.";
        QTest::newRow("rent") << "DealType" << QVariant("出租") << "出租房源必须填写租价.";
        QTest::newRow("rent and sale")
            << "DealType" << QVariant("租售") << "出售房源必须填写售价及单价.";
        QTest::newRow("valid") << "Seat" << QVariant("2栋") << "";
    }
    void checksBeforeOk() {
        QFETCH(QString, property);
        QFETCH(QVariant, value);
        QFETCH(QString, message);
        THouseEditorFrm editor;
        Fill(editor, kValidHouse);
        editor.SetProperty(property, value);
        ShowActive(editor);
        QTest::mouseClick(editor.OkButton(), Qt::LeftButton);
        if (message.isEmpty()) {
            QVERIFY(m_messenger->shown.isEmpty());
            QVERIFY(!editor.isVisible());
            QCOMPARE(editor.result(), int(QDialog::Accepted));
            return;
        }
        QCOMPARE(m_messenger->shown, QStringList{Info(message)});
        QVERIFY(editor.isVisible());
        QCOMPARE(editor.Text("HouseName"),
                 property == "HouseName" ? value.toString() : QStringLiteral("碧园"));
        QCOMPARE(editor.Text("LinkTel"),
                 property == "LinkTel" ? value.toString() : QStringLiteral("1390"));
        // Cancel closes without checks.
        m_messenger->Clear();
        QTest::mouseClick(editor.CancelButton(), Qt::LeftButton);
        QVERIFY(!editor.isVisible());
        QVERIFY(m_messenger->shown.isEmpty());
    }

    void confidentialBoxesAreMasked() {
        THouseEditorFrm editor;
        Fill(editor, {{"LinkTel", "1390"}, {"Linkman", ""}, {"LinkNote", "甲\r\n乙"}});
        TzyEdit* tel = Control(editor, "edtLinkTel1");
        auto* note = Control<QPlainTextEdit>(editor, "mmLinkNote1");
        QCOMPARE(tel->text(), TvEditorFrm::kMask);
        QCOMPARE(Control(editor, "edtLinkman1")->text(), QString());
        QCOMPARE(note->toPlainText(), TvEditorFrm::kMask);
        ShowActive(editor);
        FocusOn(tel);
        QCOMPARE(tel->text(), QStringLiteral("1390"));
        tel->end(false);
        QTest::keyClicks(tel, "5");
        QCOMPARE(editor.Text("LinkTel"), QStringLiteral("13905")); // read while focused
        FocusOn(note);
        QCOMPARE(note->toPlainText(), QStringLiteral("甲\n乙"));
        QCOMPARE(tel->text(), TvEditorFrm::kMask);
        QCOMPARE(editor.Text("LinkTel"), QStringLiteral("13905"));
        FocusOn(tel);
        QCOMPARE(tel->text(), QStringLiteral("13905"));
        tel->clear();
        QTest::keyClicks(tel, "   ");
        FocusOn(note);
        QCOMPARE(tel->text(), QString()); // blanks only: emptied on exit
        QCOMPARE(editor.Text("LinkTel"), QStringLiteral("   "));
        FocusOn(tel);
        // The unedited note gives back its own line breaks.
        QCOMPARE(editor.Text("LinkNote"), QStringLiteral("甲\r\n乙"));
        QCOMPARE(note->toPlainText(), TvEditorFrm::kMask);
    }

    void priceCalculations_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QVariant>("area");
        QTest::addColumn<QVariant>("fund");
        QTest::addColumn<QVariant>("price");
        QTest::addColumn<QString>("result");
        QTest::newRow("unit price")
            << "edtPrice1" << QVariant(80) << QVariant(100) << QVariant(0) << "12500";
        QTest::newRow("unit price truncated")
            << "edtPrice1" << QVariant(70) << QVariant(100) << QVariant(0) << "14285";
        QTest::newRow("sale price")
            << "edtFund1" << QVariant(80) << QVariant(0) << QVariant(12500) << "100";
        QTest::newRow("sale price unrounded")
            << "edtFund1" << QVariant(75.5) << QVariant(0) << QVariant(12345) << "93.20475";
        QTest::newRow("sale price without area")
            << "edtFund1" << QVariant(0) << QVariant(0) << QVariant(12500) << "";
    }
    void priceCalculations() {
        QFETCH(QString, box);
        QFETCH(QVariant, area);
        QFETCH(QVariant, fund);
        QFETCH(QVariant, price);
        QFETCH(QString, result);
        THouseEditorFrm editor;
        Fill(editor, {{"DealType", "出售"}, {"BuildArea", area}, {"Fund", fund}, {"Price", price}});
        ShowActive(editor);
        QTest::mouseDClick(Control(editor, box), Qt::LeftButton);
        QCOMPARE(Control(editor, box)->text(), result);
        QVERIFY(m_messenger->shown.isEmpty());
    }

    void unitPriceWithoutAreaIsRefused() {
        THouseEditorFrm editor;
        Fill(editor, {{"DealType", "出售"}, {"Fund", 100}, {"Price", 9000}});
        ShowActive(editor);
        QTest::mouseDClick(Control(editor, "edtPrice1"), Qt::LeftButton);
        QCOMPARE(editor.Number("Price"), 9000.0);
        QCOMPARE(m_messenger->shown.size(), 1);
    }

    void commaText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("items");
        QTest::newRow("empty") << "" << QStringList{};
        QTest::newRow("plain") << "电梯,车位" << QStringList{"电梯", "车位"};
        QTest::newRow("blanks separate")
            << " 电梯 , 车位 门禁" << QStringList{"电梯", "车位", "门禁"};
        QTest::newRow("quoted") << R"("a b","c,d","e""f")" << QStringList{"a b", "c,d", "e\"f"};
        QTest::newRow("trailing comma") << "电梯," << QStringList{"电梯", ""};
    }
    void commaText() {
        QFETCH(QString, text);
        QFETCH(QStringList, items);
        QCOMPARE(SplitCommaText(text), items);
        QCOMPARE(SplitCommaText(JoinCommaText(items)), items);
    }

    // Each "..." button opens its own list: the field's words check entries, unknown
    // words are dropped, a double-click toggles, OK writes the list order.
    void pickers_data() {
        QTest::addColumn<QString>("property");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("toggled");
        QTest::addColumn<QString>("after");
        QTest::newRow("设施") << "Utilities"
                              << "车位,电梯,游泳池"
                              << "地暖"
                              << "电梯,地暖,车位";
        QTest::newRow("家电") << "HomeWirings"
                              << "冰箱"
                              << "空调"
                              << "空调,冰箱";
        QTest::newRow("家私") << "Furnitures"
                              << "衣柜 床"
                              << "衣柜"
                              << "床";
        QTest::newRow("商场超市") << "Markets"
                                  << ""
                                  << "万象城"
                                  << "万象城";
        QTest::newRow("附近医院") << "Hospitals"
                                  << "市中医院"
                                  << "市儿童医院"
                                  << "市中医院,市儿童医院";
        QTest::newRow("公交线路") << "Traffics"
                                  << "B1路,\"地铁1号线\""
                                  << "7路"
                                  << "地铁1号线,B1路,7路";
    }
    void pickers() {
        QFETCH(QString, property);
        QFETCH(QString, before);
        QFETCH(QString, toggled);
        QFETCH(QString, after);
        THouseEditorFrm editor;
        editor.SetProperty(property, before);
        ShowActive(editor);
        TModalDriver driver;
        driver.Then(std::function<void(TMultiChoiceFrm&)>([&](TMultiChoiceFrm& picker) {
            QCOMPARE(picker.windowTitle(), QStringLiteral("选择"));
            const auto found = picker.List()->findItems(toggled, Qt::MatchExactly);
            QCOMPARE(found.size(), 1);
            QListWidget* list = picker.List();
            list->scrollToItem(found[0]);
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {},
                               list->visualItemRect(found[0]).center());
            picker.accept();
        }));
        driver.Then([](QDialog& picker) { picker.reject(); });
        editor.PickerButton(property)->click();
        QCOMPARE(editor.Text(property), after);
        editor.PickerButton(property)->click(); // cancelled: unchanged
        QCOMPARE(editor.Text(property), after);
        QCOMPARE(driver.shown, 2);
    }

    // Registering a house through the manager in the real editor: the first attempt
    // hits a stored house of the same address, the operator changes the door number
    // and the second attempt is stored and becomes the current row of the list.
    void managerAddsHouseThroughEditor() {
        LogIn(QStringLiteral("sa"));
        TRealHouseEditorFactory factory;
        DbConnection().Execute(
            QStringLiteral("insert into house(Id, IsRecycle, Code, HouseName, Seat, Floor, FloorB, "
                           "DoorNo) values (1, 0, 'FY00007', '碧园', '1栋', 5, 0, '501')"));
        THouseMgr mgr;
        mgr.Open(QStringLiteral("select * from house where abs(IsRecycle)=0 order by Id"));
        TModalDriver driver;
        QString secondCaption;
        QString keptName;
        driver.Then(std::function<void(THouseEditorFrm&)>([](THouseEditorFrm& editor) {
            Fill(editor, kValidHouse);
            QTest::mouseClick(editor.OkButton(), Qt::LeftButton);
        }));
        driver.Then(std::function<void(THouseEditorFrm&)>([&](THouseEditorFrm& editor) {
            secondCaption = editor.windowTitle();
            keptName = editor.Text("HouseName");
            QVERIFY(QTest::qWaitForWindowActive(&editor));
            TzyEdit* doorNo = Control(editor, "edtDoorNo1");
            FocusOn(doorNo);
            doorNo->selectAll();
            QTest::keyClicks(doorNo, "502");
            QTest::mouseClick(editor.OkButton(), Qt::LeftButton);
        }));
        mgr.AddClick();
        QCOMPARE(driver.shown, 2);
        QCOMPARE(driver.unplanned, 0);
        QCOMPARE(secondCaption, QStringLiteral("登记"));
        QCOMPARE(keptName, QStringLiteral("碧园"));
        QCOMPARE(m_messenger->shown.size(), 1);
        QVERIFY(m_messenger->shown[0].contains(QStringLiteral("该房源编号为FY00007")));
        QCOMPARE(Count("house"), 2);
        QCOMPARE(Scalar("select DoorNo from house where Id=2").toString(), QStringLiteral("502"));
        QCOMPARE(Scalar("select Fund from house where Id=2").toDouble(), 100.0);
        QCOMPARE(Scalar("select DealType from house where Id=2").toString(),
                 QStringLiteral("出售"));
        QCOMPARE(mgr.DataSet()->RecordCount(), 2);
        QCOMPARE(mgr.IdFld()->AsInteger(), 2);
        QCOMPARE(mgr.DoorNoFld()->AsString(), QStringLiteral("502"));
        QVERIFY(!mgr.CodeFld()->AsString().isEmpty());
    }

  private:
    std::unique_ptr<TScriptedMessenger> m_messenger;
};

ORBEL_DB_UI_TEST_MAIN(TstHouseEditorFrm)
#include "tst_houseeditorfrm.moc"
