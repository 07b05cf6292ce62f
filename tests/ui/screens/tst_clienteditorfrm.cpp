#include "ScriptedMessenger.h"
#include "TestDatabase.h"

#include "../../core/operations/MgrTestSupport.h"

#include "app/Error.h"
#include "screens/ClientEditorFrm.h"
#include "toolkit/zyComboBox.h"
#include "toolkit/zyEdit.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <memory>

namespace {

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

QVariant SampleOf(const TEditorProperty& p) {
    switch (p.Kind) {
    case TPropertyKind::Integer:
        return 3;
    case TPropertyKind::Decimal:
        return 90.5;
    case TPropertyKind::Money:
        return 650000.25;
    case TPropertyKind::Date:
        return QDate(2026, 11, 30).startOfDay();
    default:
        return p.Name == QLatin1String("DealType")      ? QStringLiteral("求租")
               : p.Name.endsWith(QLatin1String("Note")) ? QStringLiteral("一\r\n二")
                                                        : QStringLiteral("%1值").arg(p.Name);
    }
}

} // namespace

class TstClientEditorFrm : public QObject {
    Q_OBJECT
  private slots:
    void init() {
        FreshDatabase(TTestContent::Delivered);
        ProgramOptions().Refresh();
        m_messenger = std::make_unique<TScriptedMessenger>();
    }
    void cleanup() { m_messenger.reset(); }

    void newEditor() {
        TClientEditorFrm editor;
        QCOMPARE(editor.Caption(), QStringLiteral("客户"));
        QVERIFY(editor.BuyButton()->isChecked());
        QCOMPARE(editor.Text("DealType"), QStringLiteral("求购"));
        for (const TEditorProperty& p : TClientEditor::Published()) {
            if (p.Name == QLatin1String("DealType"))
                continue;
            const QString v = editor.Property(p.Name).toString();
            QVERIFY2(v.isEmpty() || v == QLatin1String("0"), qPrintable(p.Name + "=" + v));
        }
        auto* sex = Control<TzyComboBox>(editor, "cmbSex1");
        QCOMPARE(sex->count(), 2);
        QCOMPARE(sex->currentText(), QString());
        QCOMPARE(Control<TzyComboBox>(editor, "cmbState1")->itemText(0), QStringLiteral("有效"));
        QCOMPARE(Control<TzyComboBox>(editor, "cmbIndustry1")->itemText(1), QStringLiteral("金融"));
        QVERIFY(!Control(editor, "edtBroker1")->isEnabled());
    }

    void everyPropertyRoundTrips() {
        TClientEditorFrm editor;
        for (const TEditorProperty& p : TClientEditor::Published())
            editor.SetProperty(p.Name, SampleOf(p));
        for (const TEditorProperty& p : TClientEditor::Published()) {
            const QVariant expected = TPropertyEditor::Normalize(p.Kind, SampleOf(p));
            QVERIFY2(editor.Property(p.Name) == expected,
                     qPrintable(p.Name + ": " + editor.Property(p.Name).toString()));
        }
    }

    void ranges() {
        TClientEditorFrm editor;
        editor.SetProperty("Room1", 2);
        editor.SetProperty("Room2", 3);
        editor.SetProperty("Fund1", 500000);
        editor.SetProperty("Fund2", 800000);
        QCOMPARE(editor.Integer("Room1"), 2);
        QCOMPARE(editor.Integer("Room2"), 3);
        QCOMPARE(editor.Number("Fund1"), 500000.0);
        QCOMPARE(editor.Number("Fund2"), 800000.0);
        QCOMPARE(Control(editor, "edtFund21")->text(), QStringLiteral("800000"));
        Control(editor, "edtArea11")->setText("九十");
        try {
            editor.Property("Area1");
            QFAIL("a bad area was read");
        } catch (const EOrbelError& e) {
            QCOMPARE(e.Message(), QStringLiteral("\"九十\" 不是有效的数字."));
        }
        editor.SetProperty("BillTime", QDateTime(QDate(2026, 12, 11), QTime(15, 4)));
        QCOMPARE(Control(editor, "edtBillTime1")->text(), QStringLiteral("2026-12-11"));
        QCOMPARE(editor.DateTime("BillTime"), QDate(2026, 12, 11).startOfDay());
    }

    void dealType_data() {
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("read");
        QTest::newRow("求租") << "求租"
                              << "求租";
        QTest::newRow("出售") << "出售"
                              << "求租";
        QTest::newRow("empty") << ""
                               << "求租";
        QTest::newRow("求购") << "求购"
                              << "求购";
    }
    void dealType() {
        QFETCH(QString, written);
        QFETCH(QString, read);
        TClientEditorFrm editor;
        editor.SetProperty("DealType", written == "求购" ? "求租" : "求购");
        editor.SetProperty("DealType", written);
        QCOMPARE(editor.Text("DealType"), read);
        QCOMPARE(editor.BorrowButton()->isChecked(), read == "求租");
    }

    void requiredFields_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("tel");
        QTest::addColumn<QString>("sex");
        QTest::addColumn<QString>("district");
        QTest::addColumn<QString>("focused");
        QTest::newRow("all given") << "王"
                                   << "1390"
                                   << "男"
                                   << "西湖区"
                                   << "";
        QTest::newRow("name of blanks passes") << "  "
                                               << "1390"
                                               << "女"
                                               << "西湖区"
                                               << "";
        QTest::newRow("telephone of blanks") << "王"
                                             << "   "
                                             << "男"
                                             << "西湖区"
                                             << "edtLinkTel1";
        QTest::newRow("no name") << ""
                                 << "1390"
                                 << "男"
                                 << "西湖区"
                                 << "edtLinkman1";
        QTest::newRow("no sex") << "王"
                                << "1390"
                                << ""
                                << "西湖区"
                                << "cmbSex1";
        QTest::newRow("no district") << "王"
                                     << "1390"
                                     << "男"
                                     << ""
                                     << "cmbDistrict1";
    }
    void requiredFields() {
        QFETCH(QString, name);
        QFETCH(QString, tel);
        QFETCH(QString, sex);
        QFETCH(QString, district);
        QFETCH(QString, focused);
        TClientEditorFrm editor;
        editor.SetProperty("Linkman", name);
        editor.SetProperty("LinkTel", tel);
        editor.SetProperty("Sex", sex);
        editor.SetProperty("District", district);
        editor.SetProperty("Room1", 2);
        ShowActive(editor);
        QTest::mouseClick(editor.OkButton(), Qt::LeftButton);
        if (focused.isEmpty()) {
            QVERIFY(m_messenger->shown.isEmpty());
            QCOMPARE(editor.result(), int(QDialog::Accepted));
            QVERIFY(!editor.isVisible());
            return;
        }
        QCOMPARE(m_messenger->shown,
                 QStringList{Info(QStringLiteral("客户姓名、联系电话、性别、区域为必填项."))});
        QVERIFY(editor.isVisible());
        QCOMPARE(QApplication::focusWidget()->objectName(), focused);
        QCOMPARE(editor.Integer("Room1"), 2);
        QCOMPARE(editor.Text("LinkTel"), tel);
    }

    void firstFocus_data() {
        QTest::addColumn<bool>("automatic");
        QTest::addColumn<QString>("focused");
        QTest::newRow("codes typed") << false << "edtCode1";
        QTest::newRow("codes automatic") << true << "cmbDistrict1";
    }
    void firstFocus() {
        QFETCH(bool, automatic);
        QFETCH(QString, focused);
        TKeyValue().SetFlag(TKeyValue::kAutomaticCodes, automatic);
        TClientEditorFrm editor;
        ShowActive(editor);
        QWidget* focus = QApplication::focusWidget();
        // An editable combo box hands the focus to its line edit.
        if (focus && !focus->objectName().startsWith(QLatin1String("edt")) && focus->parentWidget())
            focus =
                qobject_cast<TzyComboBox*>(focus->parentWidget()) ? focus->parentWidget() : focus;
        QCOMPARE(focus->objectName(), focused);
    }

    void clientNameIsMasked() {
        TClientEditorFrm editor;
        editor.SetProperty("Linkman", "王先生");
        TzyEdit* name = Control(editor, "edtLinkman1");
        QCOMPARE(name->text(), TvEditorFrm::kMask);
        ShowActive(editor);
        name->setFocus(Qt::TabFocusReason);
        QCOMPARE(name->text(), QStringLiteral("王先生"));
        QTest::keyClick(name, Qt::Key_Return); // Enter moves on and masks the name
        QCOMPARE(name->text(), TvEditorFrm::kMask);
        QCOMPARE(editor.Text("Linkman"), QStringLiteral("王先生"));
    }

  private:
    std::unique_ptr<TScriptedMessenger> m_messenger;
};

ORBEL_DB_UI_TEST_MAIN(TstClientEditorFrm)
#include "tst_clienteditorfrm.moc"
