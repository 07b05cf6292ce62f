#include "ScriptedMessenger.h"
#include "TestDatabase.h"

#include "app/Error.h"
#include "data/Database.h"
#include "operations/SN.h"

#include <QTest>

namespace {

const QString kCrLf = QStringLiteral("\r\n");

QString Rule(const QString& prefix, int digits, const QString& suffix) {
    return prefix + kCrLf + QString::number(digits) + kCrLf + suffix;
}

void InsertCodes(const QString& table, const QStringList& codes) {
    int id = 1;
    for (const QString& code : codes)
        DbConnection().Execute(
            QStringLiteral("insert into %1(Id,Code) values(:Id,:Code)").arg(table),
            {Param("Id", id++), Param("Code", code)});
}

void StoreRule(int key, const QString& rule) {
    DbConnection().Execute(QStringLiteral("insert into options([Key],Label,List) "
                                          "values(:Key,:Label,:List)"),
                           {Param("Key", key), Param("Label", QString()), Param("List", rule)});
}

} // namespace

class TstSN : public QObject {
    Q_OBJECT
  private slots:
    void init() { FreshDatabase(TTestContent::Tables); }

    void ruleTextRoundTrip_data() {
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<int>("digits");
        QTest::addColumn<QString>("suffix");
        QTest::newRow("FY 5") << "FY" << 5 << "";
        QTest::newRow("K 3 A") << "K" << 3 << "A";
        QTest::newRow("empty prefix") << "" << 4 << "";
        QTest::newRow("chinese, 0 digits") << "房" << 0 << "-租";
        QTest::newRow("100 digits, quote") << "O'K" << 100 << "%_";
    }
    void ruleTextRoundTrip() {
        QFETCH(QString, prefix);
        QFETCH(int, digits);
        QFETCH(QString, suffix);
        TSN sn;
        sn.Prefix = prefix;
        sn.Digits = digits;
        sn.Suffix = suffix;
        const QString text = sn.RuleText();
        QCOMPARE(text, Rule(prefix, digits, suffix));
        TSN read;
        read.Prefix = QStringLiteral("old");
        read.Digits = 9;
        read.Suffix = QStringLiteral("old");
        read.LoadRule(text);
        QCOMPARE(read.Prefix, prefix);
        QCOMPARE(read.Digits, digits);
        QCOMPARE(read.Suffix, suffix);
    }

    void partialRulesKeepWhatTheyDoNotName() {
        TSN sn;
        sn.LoadRule(Rule("FY", 5, "X"));
        sn.LoadRule(QStringLiteral("tail"));
        QCOMPARE(sn.Prefix, QStringLiteral("FY"));
        QCOMPARE(sn.Digits, 5);
        QCOMPARE(sn.Suffix, QStringLiteral("tail"));
        sn.LoadRule(QString());
        QCOMPARE(sn.Suffix, QString());
        QCOMPARE(sn.Digits, 5);
        sn.LoadRule(QStringLiteral("AB\r\n7"));
        QCOMPARE(sn.Prefix, QStringLiteral("AB"));
        QCOMPARE(sn.Digits, 5);
        QCOMPARE(sn.Suffix, QStringLiteral("7"));
        QVERIFY_THROWS_EXCEPTION(EOrbelError, sn.LoadRule(QStringLiteral("FY\r\nfive\r\n")));
        QVERIFY_THROWS_EXCEPTION(EOrbelError, sn.LoadRule(QStringLiteral("FY\r\n\r\n")));
    }

    void codePattern() {
        TSN sn;
        QCOMPARE(sn.CodePattern(Rule("K", 3, "A")), QStringLiteral("K%%%A"));
        QCOMPARE(sn.CodePattern(Rule("", 4, "")), QStringLiteral("%%%%"));
        QCOMPARE(sn.CodePattern(Rule("FY", 0, "")), QStringLiteral("FY"));
    }

    void nextCode_data() {
        QTest::addColumn<QString>("rule");
        QTest::addColumn<QString>("last");
        QTest::addColumn<QString>("expected"); // empty: fails with `error`
        QTest::addColumn<QString>("error");
        const QString overflow = QStringLiteral("编号越界,请升级位数.");
        QTest::newRow("first") << Rule("FY", 5, "") << ""
                               << "FY00001"
                               << "";
        QTest::newRow("carry") << Rule("FY", 5, "") << "FY00099"
                               << "FY00100"
                               << "";
        QTest::newRow("full") << Rule("FY", 5, "") << "FY99999"
                              << "" << overflow;
        QTest::newRow("suffix") << Rule("K", 3, "A") << "K007A"
                                << "K008A"
                                << "";
        QTest::newRow("empty prefix") << Rule("", 4, "") << ""
                                      << "0001"
                                      << "";
        QTest::newRow("0 digits") << Rule("FY", 0, "") << ""
                                  << "" << overflow;
        QTest::newRow("0 digits, last") << Rule("FY", 0, "") << "FY"
                                        << "" << overflow;
        QTest::newRow("older wider code") << Rule("FY", 5, "") << "FY123456"
                                          << "FY12346"
                                          << "";
        QTest::newRow("short last code") << Rule("FY", 5, "") << "FY12"
                                         << "FY00013"
                                         << "";
        QTest::newRow("prefix not compared") << Rule("FY", 3, "") << "XX041"
                                             << "FY042"
                                             << "";
        QTest::newRow("letters for digits") << Rule("FY", 3, "") << "FYabc"
                                            << ""
                                            << "\"abc\"";
        QTest::newRow("nothing after prefix") << Rule("FY", 3, "") << "FY"
                                              << ""
                                              << "\"\"";
        QTest::newRow("wide number") << Rule("N", 20, "") << "N00000000000000000041"
                                     << "N00000000000000000042"
                                     << "";
    }
    void nextCode() {
        QFETCH(QString, rule);
        QFETCH(QString, last);
        QFETCH(QString, expected);
        QFETCH(QString, error);
        TSN sn;
        try {
            const QString code = sn.NextCode(rule, last);
            QVERIFY2(error.isEmpty(), qPrintable(code));
            QCOMPARE(code, expected);
        } catch (const EOrbelError& e) {
            QVERIFY2(!error.isEmpty() && e.Message().contains(error), qPrintable(e.Message()));
        }
    }

    void incNumberPadsToTheDigitCount() {
        TSN sn;
        sn.Digits = 4;
        QCOMPARE(sn.IncNumber(QStringLiteral("0")), QStringLiteral("0001"));
        QCOMPARE(sn.IncNumber(QStringLiteral("0999")), QStringLiteral("1000"));
        QVERIFY_THROWS_EXCEPTION(EOrbelError, sn.IncNumber(QStringLiteral("9999")));
        QVERIFY_THROWS_EXCEPTION(EOrbelError, sn.IncNumber(QStringLiteral("12a")));
    }

    void lastCodeOfHousesAndClients() {
        TSN sn;
        const QString rule = Rule("FY", 5, "");
        QCOMPARE(sn.LastCode(TCodeOwner::House, rule), QString());
        InsertCodes(QStringLiteral("house"),
                    {"FY00007", "FY00099", "FY00100", "FX99999", "FY00050", "KFY99999"});
        InsertCodes(QStringLiteral("client"), {"FY00003", "KH00009"});
        QCOMPARE(sn.LastCode(TCodeOwner::House, rule), QStringLiteral("FY00100"));
        QCOMPARE(sn.LastCode(TCodeOwner::Client, rule), QStringLiteral("FY00003"));
        QCOMPARE(sn.LastCode(TCodeOwner::Client, Rule("KH", 5, "")), QStringLiteral("KH00009"));
        QCOMPARE(sn.NextCode(rule, sn.LastCode(TCodeOwner::House, rule)),
                 QStringLiteral("FY00101"));
        // "%" matches any run, so a code longer than the rule also fits.
        DbConnection().Execute(QStringLiteral("insert into house(Id,Code) values(99,'FY123456')"));
        QCOMPARE(sn.LastCode(TCodeOwner::House, rule), QStringLiteral("FY123456"));
        QCOMPARE(sn.NextCode(rule, QStringLiteral("FY123456")), QStringLiteral("FY12346"));
    }

    void lastCodeWithSuffix() {
        InsertCodes(QStringLiteral("house"), {"K007A", "K009B", "K008", "K006A"});
        TSN sn;
        const QString rule = Rule("K", 3, "A");
        QCOMPARE(sn.LastCode(TCodeOwner::House, rule), QStringLiteral("K007A"));
        QCOMPARE(sn.NextCode(rule, sn.LastCode(TCodeOwner::House, rule)), QStringLiteral("K008A"));
    }

    // Prefix and suffix are matched as they are written, even when they hold
    // characters that mean something in SQL or in a LIKE pattern.
    void specialCharactersInPrefixAreLiteral_data() {
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QStringList>("codes");
        QTest::addColumn<QString>("last");
        QTest::newRow("quote") << "O'K" << QStringList{"O'K001", "O'K004", "OXK009"} << "O'K004";
        QTest::newRow("quote pair") << "''" << QStringList{"''02", "'x09"} << "''02";
        QTest::newRow("underscore") << "A_" << QStringList{"A_005", "Aa009", "A_003"} << "A_005";
        QTest::newRow("percent") << "5%" << QStringList{"5%01", "5x99", "5%%98"} << "5%01";
        QTest::newRow("backslash") << "C\\" << QStringList{"C\\01", "CX09"} << "C\\01";
        QTest::newRow("none fits") << "Z'" << QStringList{"Z01", "Z_02"} << "";
    }
    void specialCharactersInPrefixAreLiteral() {
        QFETCH(QString, prefix);
        QFETCH(QStringList, codes);
        QFETCH(QString, last);
        InsertCodes(QStringLiteral("house"), codes);
        TSN sn;
        TScriptedMessenger m;
        const QString rule = Rule(prefix, 2, "");
        QCOMPARE(sn.LastCode(TCodeOwner::House, rule), last);
        QVERIFY(m.shown.isEmpty());
        QCOMPARE(sn.Prefix, prefix);
    }

    void generateCodeReadsTheStoredRule() {
        StoreRule(11, Rule("FY", 5, ""));
        StoreRule(13, Rule("KH", 3, "-B"));
        InsertCodes(QStringLiteral("house"), {"FY00041"});
        InsertCodes(QStringLiteral("client"), {"KH009-B", "FY99999"});
        QCOMPARE(SN().GenerateCode(TCodeOwner::House), QStringLiteral("FY00042"));
        QCOMPARE(SN().GenerateCode(TCodeOwner::Client), QStringLiteral("KH010-B"));
        QCOMPARE(SN().Suffix, QStringLiteral("-B"));
    }
};

ORBEL_DB_TEST_MAIN(TstSN)
#include "tst_sn.moc"
