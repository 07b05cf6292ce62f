#include "ScriptedEditors.h"

#include "app/Error.h"
#include "data/ZyClientDataSet.h"
#include "operations/ChangeLog.h"

#include <QTest>

Q_DECLARE_METATYPE(TFieldKind)
Q_DECLARE_METATYPE(TChangeRule)
Q_DECLARE_METATYPE(TPropertyKind)

namespace {

const QDateTime kDay = QDateTime(QDate(2024, 1, 5), QTime(0, 0));
const QDateTime kNoon = QDateTime(QDate(2024, 1, 5), QTime(10, 30));

// A one-row table with one field of the given kind holding `stored`.
struct TOneRow {
    TOneRow(TFieldKind kind, const QVariant& stored) {
        field =
            rows.DataSet()->AddField(kind, QStringLiteral("F"), -1, true, QStringLiteral("标签"));
        rows.CreateDataSet();
        rows.DataSet()->Append();
        field->SetValue(stored);
        rows.DataSet()->Post();
    }
    TZyClientDataSet rows;
    TField* field;
};

QString Line(const QString& from, const QString& to) {
    return QStringLiteral("标签: \"%1\" → \"%2\"\r\n").arg(from, to);
}

} // namespace

class TstChangeLog : public QObject {
    Q_OBJECT
  private slots:
    void compare_data() {
        QTest::addColumn<TChangeRule>("rule");
        QTest::addColumn<TFieldKind>("kind");
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<QVariant>("newValue");
        QTest::addColumn<QString>("line");
        const auto T = TChangeRule::Typed;
        const auto X = TChangeRule::Text;
        const auto F = TFieldKind::Float;
        const auto I = TFieldKind::Integer;
        const auto S = TFieldKind::WideString;
        const auto D = TFieldKind::DateTime;
        const QVariant null;
        QTest::newRow("typed price changed")
            << T << F << QVariant(5000.0) << QVariant(5200.0) << Line("5000", "5200");
        QTest::newRow("typed price same") << T << F << QVariant(5000.0) << QVariant(5000.0) << "";
        QTest::newRow("typed float vs int") << T << F << QVariant(3.0) << QVariant(3) << "";
        QTest::newRow("typed fraction")
            << T << F << QVariant(85.5) << QVariant(85.25) << Line("85.5", "85.25");
        QTest::newRow("typed text same") << T << S << QVariant("东区") << QVariant("东区") << "";
        QTest::newRow("typed text case")
            << T << S << QVariant("a") << QVariant("A") << Line("a", "A");
        QTest::newRow("typed null text gets empty")
            << T << S << null << QVariant(QString()) << Line("", "");
        QTest::newRow("typed null int gets 0") << T << I << null << QVariant(0) << Line("", "0");
        QTest::newRow("typed date same") << T << D << QVariant(kDay) << QVariant(kDay) << "";
        QTest::newRow("typed date gets time") << T << D << QVariant(kDay) << QVariant(kNoon)
                                              << Line("2024-01-05", "2024-01-05 10:30:00");
        QTest::newRow("typed date cleared")
            << T << D << QVariant(kDay) << null << Line("2024-01-05", "");
        QTest::newRow("text empty stays empty") << X << S << null << QVariant(QString()) << "";
        QTest::newRow("text empty filled")
            << X << S << QVariant("") << QVariant("13900000000") << Line("", "13900000000");
        QTest::newRow("text int same") << X << I << QVariant(2) << QVariant(2) << "";
        QTest::newRow("text int changed") << X << I << QVariant(2) << QVariant(3) << Line("2", "3");
        QTest::newRow("text empty int vs 0") << X << I << null << QVariant(0) << "";
        QTest::newRow("text empty float vs value")
            << X << F << null << QVariant(80.0) << Line("", "80");
        QTest::newRow("text float same")
            << X << F << QVariant(500000.0) << QVariant(500000.0) << "";
        QTest::newRow("text empty date vs none") << X << D << null << null << "";
        QTest::newRow("text empty date vs invalid")
            << X << D << null << QVariant(QDateTime()) << "";
        QTest::newRow("text empty date vs day")
            << X << D << null << QVariant(kDay) << Line("", "2024-01-05");
        QTest::newRow("text date same") << X << D << QVariant(kDay) << QVariant(kDay) << "";
        QTest::newRow("text date with time vs day") << X << D << QVariant(kNoon) << QVariant(kDay)
                                                    << Line("2024-01-05 10:30:00", "2024-01-05");
    }
    void compare() {
        QFETCH(TChangeRule, rule);
        QFETCH(TFieldKind, kind);
        QFETCH(QVariant, stored);
        QFETCH(QVariant, newValue);
        QFETCH(QString, line);
        TOneRow row(kind, stored);
        TChangeLog log(rule);
        log.Compare(*row.field, newValue);
        QCOMPARE(log.Text(), line);
    }

    // Lines follow the order of comparison and are appended to what is there.
    void linesInOrder() {
        TZyClientDataSet rows;
        TDataSet* ds = rows.DataSet();
        TField* tel = ds->AddField(TFieldKind::WideString, "LinkTel", 100, true, "联系电话");
        TField* price = ds->AddField(TFieldKind::Float, "Price", -1, true, "单价(元)");
        TField* name = ds->AddField(TFieldKind::WideString, "Linkman", 20, true, "联系人");
        rows.CreateDataSet();
        ds->Append();
        tel->SetValue("1390");
        price->SetValue(5000.0);
        name->SetValue("王");
        ds->Post();
        TChangeLog log(TChangeRule::Typed);
        log.Compare(*tel, QStringLiteral("1391"));
        log.Compare(*price, 5000.0);
        log.Compare(*name, QStringLiteral("李%1"));
        QCOMPARE(log.Text(), QStringLiteral("联系电话: \"1390\" → \"1391\"\r\n"
                                            "联系人: \"王\" → \"李%1\"\r\n"));
    }

    void valueText_data() {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("whole double") << QVariant(5200.0) << "5200";
        QTest::newRow("money") << QVariant(12.3456) << "12.3456";
        QTest::newRow("float noise") << QVariant(0.1 + 0.2) << "0.3";
        QTest::newRow("negative") << QVariant(-1.5) << "-1.5";
        QTest::newRow("large") << QVariant(123456789012.0) << "123456789012";
        QTest::newRow("int") << QVariant(-3) << "-3";
        QTest::newRow("midnight") << QVariant(kDay) << "2024-01-05";
        QTest::newRow("date") << QVariant(QDate(2024, 1, 5)) << "2024-01-05";
        QTest::newRow("null") << QVariant() << "";
    }
    void valueText() {
        QFETCH(QVariant, value);
        QFETCH(QString, text);
        QCOMPARE(TChangeLog::ValueText(value), text);
    }

    // Editors convert what their boxes hold the way the dialogs' typed accessors do.
    void normalize_data() {
        QTest::addColumn<TPropertyKind>("kind");
        QTest::addColumn<QVariant>("input");
        QTest::addColumn<QVariant>("output");
        QTest::addColumn<QString>("error");
        const auto I = TPropertyKind::Integer;
        const auto M = TPropertyKind::Money;
        QTest::newRow("int text") << I << QVariant(" 12 ") << QVariant(12) << "";
        QTest::newRow("int empty") << I << QVariant("") << QVariant(0) << "";
        QTest::newRow("int bad") << I << QVariant("3室") << QVariant() << "\"3室\" 不是有效的整数.";
        QTest::newRow("decimal bad") << TPropertyKind::Decimal << QVariant("八十") << QVariant()
                                     << "\"八十\" 不是有效的数字.";
        QTest::newRow("money rounds") << M << QVariant(1.234567) << QVariant(1.2346) << "";
        QTest::newRow("money text") << M << QVariant("5200") << QVariant(5200.0) << "";
        QTest::newRow("date drops time")
            << TPropertyKind::Date << QVariant(kNoon) << QVariant(kDay) << "";
        QTest::newRow("optional none")
            << TPropertyKind::OptionalDate << QVariant() << QVariant() << "";
        QTest::newRow("optional day")
            << TPropertyKind::OptionalDate << QVariant(kNoon) << QVariant(kDay) << "";
        QTest::newRow("empty date-time")
            << TPropertyKind::DateTime << QVariant(QDateTime()) << QVariant(QDateTime()) << "";
        QTest::newRow("text of null")
            << TPropertyKind::Text << QVariant() << QVariant(QString()) << "";
    }
    void normalize() {
        QFETCH(TPropertyKind, kind);
        QFETCH(QVariant, input);
        QFETCH(QVariant, output);
        QFETCH(QString, error);
        try {
            const QVariant v = TPropertyEditor::Normalize(kind, input);
            QVERIFY2(error.isEmpty(), "a conversion error was expected");
            QCOMPARE(v, output);
        } catch (const EOrbelError& e) {
            QCOMPARE(e.Message(), error);
        }
    }

    // The scripted editors stand in for the dialogs: they keep what the caller
    // loaded, answer from their queue and fail reading a box with bad text.
    void scriptedEditor() {
        QVERIFY_THROWS_EXCEPTION(EOrbelError, EditorFactory());
        TScriptedEditorFactory factory;
        factory.house.Ok({{"Room", "x"}});
        factory.house.Ok({{"Room", 3}, {"HouseName", "碧园"}});
        auto editor = EditorFactory().CreateHouseEditor();
        editor->SetCaption(QStringLiteral("登记"));
        editor->SetProperty("Code", "F001");
        QVERIFY(editor->Execute());
        QCOMPARE(editor->Text("Code"), QStringLiteral("F001"));
        QVERIFY_THROWS_EXCEPTION(EOrbelError, editor->Integer("Room"));
        QVERIFY(editor->Execute());
        QCOMPARE(editor->Integer("Room"), 3);
        QVERIFY(!editor->Execute()); // an empty queue cancels
        QCOMPARE(factory.house.shown, 3);
        QCOMPARE(factory.house.captions, QStringList(3, QStringLiteral("登记")));
        QCOMPARE(factory.house.loaded[0].value("Code").toString(), QStringLiteral("F001"));
        QVERIFY_THROWS_EXCEPTION(EOrbelError, editor->Property("NoSuchBox"));
        QCOMPARE(THouseEditor::Published().size(), 62);
        QCOMPARE(TClientEditor::Published().size(), 30);
    }
};

QTEST_GUILESS_MAIN(TstChangeLog)
#include "tst_changelog.moc"
