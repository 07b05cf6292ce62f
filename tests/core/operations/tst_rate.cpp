#include "ScriptedMessenger.h"
#include "TestDatabase.h"

#include "app/Error.h"
#include "data/Database.h"
#include "data/RecordSet.h"
#include "operations/Rate.h"

#include <QTest>

namespace {

struct TStored {
    QString Rates, Years, Months, Returns;
};

void InsertTable(int typId, const TStored& s) {
    DbConnection().Execute(QStringLiteral("insert into rates(TypId,Rates,Years,Months,Returns) "
                                          "values(:TypId,:Rates,:Years,:Months,:Returns)"),
                           {Param("TypId", typId), Param("Rates", s.Rates), Param("Years", s.Years),
                            Param("Months", s.Months), Param("Returns", s.Returns)});
}

TStored ReadTable(int typId) {
    TRecordSet& scratch = ScratchSet();
    scratch.Open(QStringLiteral("select Rates,Years,Months,Returns from rates where TypId=:TypId"),
                 {Param("TypId", typId)});
    TDataSet* ds = scratch.DataSet();
    const TStored s{ds->Field(0)->AsString(), ds->Field(1)->AsString(), ds->Field(2)->AsString(),
                    ds->Field(3)->AsString()};
    scratch.Close();
    return s;
}

} // namespace

class TstRate : public QObject {
    Q_OBJECT
  private slots:
    void init() { FreshDatabase(TTestContent::Tables); }

    void formats_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("rate");
        QTest::addColumn<QString>("returns");
        QTest::newRow("below 1") << 0.0504 << ".0504"
                                 << ".05";
        QTest::newRow("half") << 0.5 << ".5000"
                              << ".50";
        QTest::newRow("5.04") << 5.04 << "5.0400"
                              << "5.04";
        QTest::newRow("66") << 66.0 << "66.0000"
                            << "66.00";
        QTest::newRow("zero") << 0.0 << ".0000"
                              << ".00";
        QTest::newRow("rounds") << 929.455 << "929.4550"
                                << "929.46";
        QTest::newRow("binary half") << 2.675 << "2.6750"
                                     << "2.68";
        QTest::newRow("rounds up to 1") << 0.99999 << "1.0000"
                                        << "1.00";
        QTest::newRow("negative") << -0.25 << "-.2500"
                                  << "-.25";
        QTest::newRow("tiny negative") << -0.00001 << ".0000"
                                       << ".00";
    }
    void formats() {
        QFETCH(double, value);
        QFETCH(QString, rate);
        QFETCH(QString, returns);
        QCOMPARE(TRate::FormatRate(value), rate);
        QCOMPARE(TRate::FormatReturns(value), returns);
    }

    void loadTwoTermsAndSaveThemUnchanged() {
        const TStored stored{".0504\r\n.0531\r\n", "1\r\n2\r\n", "12\r\n24\r\n",
                             "856.50\r\n440.15\r\n"};
        InsertTable(1, stored);
        const RRates rates = Rate().LoadRates(1);
        QCOMPARE(rates.size(), 2);
        QCOMPARE(rates[0], (RRate{0.0504, 1, 12, 856.5}));
        QCOMPARE(rates[1], (RRate{0.0531, 2, 24, 440.15}));
        Rate().SaveRates(1, rates);
        const TStored saved = ReadTable(1);
        QCOMPARE(saved.Rates, stored.Rates);
        QCOMPARE(saved.Years, stored.Years);
        QCOMPARE(saved.Months, stored.Months);
        QCOMPARE(saved.Returns, stored.Returns);
    }

    void saveWritesFormattedLinesEachEndingInCrLf() {
        InsertTable(3, {});
        Rate().SaveRates(3, {{5.04, 5, 60, 66}, {0.5, 30, 360, 0.5}});
        const TStored saved = ReadTable(3);
        QCOMPARE(saved.Rates, QStringLiteral("5.0400\r\n.5000\r\n"));
        QCOMPARE(saved.Years, QStringLiteral("5\r\n30\r\n"));
        QCOMPARE(saved.Months, QStringLiteral("60\r\n360\r\n"));
        QCOMPARE(saved.Returns, QStringLiteral("66.00\r\n.50\r\n"));
        QCOMPARE(Rate().LoadRates(3), (RRates{{5.04, 5, 60, 66}, {0.5, 30, 360, 0.5}}));
        Rate().SaveRates(3, {});
        QCOMPARE(ReadTable(3).Rates, QString());
        QVERIFY(Rate().LoadRates(3).isEmpty());
    }

    void extraLinesAreIgnoredAndMissingOnesReadAsZero() {
        // Years and Returns hold a line more than Rates; Months one less.
        InsertTable(0,
                    {".0504\r\n.0531", "1\r\n2\r\n3\r\n", "12\r\n", "856.50\r\n440.15\r\nxx\r\n"});
        const RRates rates = Rate().LoadRates(0);
        QCOMPARE(rates, (RRates{{0.0504, 1, 12, 856.5}, {0.0531, 2, 0, 440.15}}));
        Rate().SaveRates(0, rates);
        QCOMPARE(ReadTable(0).Years, QStringLiteral("1\r\n2\r\n"));
        QCOMPARE(ReadTable(0).Returns, QStringLiteral("856.50\r\n440.15\r\n"));
    }

    void linesEndInAnyLineBreak() {
        InsertTable(2, {".04\n.05\r.06\r\n", "1\n2\r3", "12\n24\n36\n", "1\n2\n3"});
        const RRates rates = Rate().LoadRates(2);
        QCOMPARE(rates.size(), 3);
        QCOMPARE(rates[2], (RRate{0.06, 3, 36, 3}));
    }

    void missingTableReadsEmptyAndIsNotCreated() {
        QVERIFY(Rate().LoadRates(2).isEmpty());
        Rate().SaveRates(2, {{0.05, 1, 12, 856}});
        TRecordSet& scratch = ScratchSet();
        scratch.Open(QStringLiteral("select count(*) from rates"));
        QCOMPARE(scratch.DataSet()->Field(0)->AsInteger(), 0);
        scratch.Close();
    }

    void badLineRaisesAnErrorNamingIt_data() {
        QTest::addColumn<QString>("rates");
        QTest::addColumn<QString>("years");
        QTest::newRow("rate") << ".05\r\nfive\r\n"
                              << "1\r\n2\r\n";
        QTest::newRow("years") << ".05\r\n"
                               << "1.5\r\n";
        QTest::newRow("empty rate line") << ".05\r\n\r\n.06\r\n"
                                         << "1\r\n2\r\n3\r\n";
    }
    void badLineRaisesAnErrorNamingIt() {
        QFETCH(QString, rates);
        QFETCH(QString, years);
        InsertTable(1, {rates, years, QString(), QString()});
        QVERIFY_THROWS_EXCEPTION(EOrbelError, Rate().LoadRates(1));
    }
};

ORBEL_DB_TEST_MAIN(TstRate)
#include "tst_rate.moc"
