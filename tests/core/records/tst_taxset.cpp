#include "ScriptedMessenger.h"
#include "TestDatabase.h"

#include "app/Error.h"
#include "data/Database.h"
#include "data/RecordSet.h"
#include "records/TaxSet.h"

#include <QTest>

namespace {

void InsertTax(int id, const QString& name, double liveRate, int liveUnit, double unLiveRate,
               int unLiveUnit) {
    DbConnection().Execute(
        "insert into tax(Id, TaxName, LiveRate, LiveUnitId, UnLiveRate, UnLiveUnitId) values "
        "(:Id, :N, :LR, :LU, :UR, :UU)",
        {Param("Id", id), Param("N", name), Param("LR", liveRate), Param("LU", liveUnit),
         Param("UR", unLiveRate), Param("UU", unLiveUnit)});
}

QVariant DbValue(const QString& sql) {
    TRecordSet rs;
    rs.Open(sql);
    return rs.DataSet()->IsEmpty() ? QVariant(QStringLiteral("<no row>"))
                                   : rs.DataSet()->Field(0)->Value();
}

// A tax editor dialog answering from a script.
class TScriptedTaxEditor : public TTaxEditor {
  public:
    QList<QPair<bool, TValues>> answers;
    QString caption;
    TValues given;
    int executions = 0;

    void SetCaption(const QString& c) override { caption = c; }
    void SetValues(const TValues& v) override { given = v; }
    bool Execute() override { return executions < answers.size() && answers[executions++].first; }
    TValues Values() const override { return answers[executions - 1].second; }
};

} // namespace

class TstTaxSet : public QObject {
    Q_OBJECT
  private slots:
    void init() { FreshDatabase(TTestContent::Tables); }

    void unitTextsAndAmounts_data() {
        QTest::addColumn<double>("rate");
        QTest::addColumn<int>("unit");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QVariant>("amount"); // for 1,000,000 yuan and 90 m²
        QTest::newRow("percent") << 1.5 << 0 << "1.5%" << QVariant(15000.0);
        QTest::newRow("small percent") << 0.05 << 0 << "0.05%" << QVariant(500.0);
        QTest::newRow("per square metre") << 3.0 << 1 << "3元/平方米" << QVariant(270.0);
        QTest::newRow("fixed") << 200.0 << 2 << "200元" << QVariant(200.0);
        QTest::newRow("zero fixed") << 0.0 << 2 << "0元" << QVariant(0.0);
        QTest::newRow("unknown unit") << 5.0 << 7 << "未知" << QVariant();
        QTest::newRow("negative unit") << 5.0 << -1 << "未知" << QVariant();
    }
    void unitTextsAndAmounts() {
        QFETCH(double, rate);
        QFETCH(int, unit);
        QFETCH(QString, text);
        QFETCH(QVariant, amount);
        InsertTax(1, QStringLiteral("契税"), rate, unit, rate, unit);
        TTaxSet taxes;
        QCOMPARE(taxes.LiveUnitCalcFld()->AsString(), text);
        QCOMPARE(taxes.UnLiveUnitCalcFld()->AsString(), text);
        taxes.ComputeTaxes(1000000, 90);
        for (TField* f : {taxes.LiveTaxFund(), taxes.UnLiveTaxFund()}) {
            QCOMPARE(f->IsNull(), amount.isNull());
            if (!amount.isNull())
                QCOMPARE(f->AsFloat(), amount.toDouble());
        }
    }

    void computeTaxesFillsEveryRowInMemoryOnly() {
        InsertTax(1, QStringLiteral("契税"), 1.5, 0, 3, 0);
        InsertTax(2, QStringLiteral("登记费"), 80, 2, 550, 2);
        InsertTax(3, QStringLiteral("交易手续费"), 2.5, 1, 3, 1);
        TTaxSet taxes;
        QCOMPARE(taxes.SqlText(), QStringLiteral("select * from tax"));
        QCOMPARE(taxes.DataSet()->RecordCount(), 3);
        taxes.DataSet()->Last();
        taxes.ComputeTaxes(2000000, 100);
        QCOMPARE(taxes.DataSet()->CurrentRow(), 0); // the first row is current
        QHash<int, QPair<double, double>> got;
        for (taxes.DataSet()->First(); !taxes.DataSet()->Eof(); taxes.DataSet()->Next())
            got[taxes.IdFld()->AsInteger()] = {taxes.LiveTaxFund()->AsFloat(),
                                               taxes.UnLiveTaxFund()->AsFloat()};
        QCOMPARE(got[1], qMakePair(30000.0, 60000.0));
        QCOMPARE(got[2], qMakePair(80.0, 550.0));
        QCOMPARE(got[3], qMakePair(250.0, 300.0));
        QVERIFY(DbValue("select LiveTaxFund from tax where Id=1").isNull());
        // A second computation replaces the amounts.
        taxes.ComputeTaxes(0, 0);
        QCOMPARE(taxes.LiveTaxFund()->AsFloat(), 0.0);
    }

    void labelsAndVisibility() {
        TTaxSet taxes;
        QCOMPARE(taxes.LiveUnitCalcFld()->DisplayLabel(), QStringLiteral("住宅 "));
        QCOMPARE(taxes.UnLiveUnitCalcFld()->DisplayLabel(), QStringLiteral(" 非住宅"));
        QCOMPARE(taxes.LiveTaxFund()->DisplayLabel(), QStringLiteral(" "));
        QCOMPARE(taxes.LiveUnitCalcFld()->Alignment(), TFieldAlignment::Right);
        QStringList shown;
        for (TField* f : taxes.DataSet()->Fields())
            if (f->Visible())
                shown << f->FieldName();
        QCOMPARE(shown, QStringList({"TaxName", "LiveUnitCalc", "LiveTaxFund", "UnLiveUnit",
                                     "UnLiveTaxFund"}));
    }

    void saveInsertsWithNextIdsThenUpdates() {
        TTaxSet taxes;
        taxes.DataSet()->Append();
        taxes.TaxNameFld()->SetAsString(QStringLiteral("契税 'A' 100%"));
        taxes.LiveRateFld()->SetAsFloat(1.5);
        QCOMPARE(taxes.Save(), 1);
        taxes.DataSet()->Append();
        taxes.TaxNameFld()->SetAsString(QStringLiteral("印花税"));
        taxes.UnLiveUnitIdFld()->SetAsInteger(2);
        QCOMPARE(taxes.Save(), 2);
        QCOMPARE(taxes.IdFld()->AsInteger(), 2);
        QCOMPARE(taxes.UnLiveUnitCalcFld()->AsString(), QStringLiteral("0元"));

        taxes.DataSet()->Locate("Id", 1);
        taxes.DataSet()->Edit();
        taxes.LiveRateFld()->SetAsFloat(3);
        QCOMPARE(taxes.Save(), 1);
        QCOMPARE(taxes.LiveUnitCalcFld()->AsString(), QStringLiteral("3%"));
        QCOMPARE(DbValue("select count(*) from tax").toInt(), 2);
        QCOMPARE(DbValue("select LiveRate from tax where Id=1").toDouble(), 3.0);
        QCOMPARE(DbValue("select TaxName from tax where Id=1").toString(),
                 QStringLiteral("契税 'A' 100%"));

        taxes.DeleteCurrent();
        QCOMPARE(taxes.DataSet()->RecordCount(), 1);
        QCOMPARE(DbValue("select count(*) from tax").toInt(), 1);
        QCOMPARE(DbValue("select Id from tax").toInt(), 2);
    }

    void failedSaveLeavesTheRowInEdit() {
        InsertTax(1, "a", 1, 0, 1, 0);
        TTaxSet taxes;
        taxes.DataSet()->Edit();
        taxes.TaxNameFld()->SetAsString("b");
        DbConnection().Execute("drop table tax");
        QVERIFY_THROWS_EXCEPTION(EOrbelError, taxes.Save());
        QVERIFY(taxes.DataSet()->Editing());
        QCOMPARE(taxes.TaxNameFld()->AsString(), QStringLiteral("b"));
    }

    void addTaxShowsDialogAgainAfterAFailedSave() {
        InsertTax(1, "a", 1, 0, 1, 0);
        TTaxSet taxes;
        // The table loses its name column: the insert fails.
        DbConnection().Execute("alter table tax rename to moved");
        DbConnection().Execute("create table tax(Id integer)");
        DbConnection().Execute("insert into tax(Id) values (1)");
        TScriptedTaxEditor editor;
        editor.answers = {{true, {QStringLiteral("契税"), 1.5, 0, 3, 0}}, {false, {}}};
        TScriptedMessenger m;
        QVERIFY(!taxes.AddTax(editor));
        QCOMPARE(editor.caption, QStringLiteral("增加"));
        QCOMPARE(editor.given.TaxName, QString());
        QCOMPARE(editor.executions, 2);
        QCOMPARE(m.shown.size(), 1);
        QVERIFY2(m.shown[0].contains("insert into tax"), qPrintable(m.shown[0]));
        QCOMPARE(taxes.DataSet()->RecordCount(), 1); // no extra row
        QVERIFY(!taxes.DataSet()->Editing());

        DbConnection().Execute("drop table tax");
        DbConnection().Execute("alter table moved rename to tax");
        editor.executions = 0;
        editor.answers = {{true, {QStringLiteral("契税"), 1.5, 0, 3, 1}}};
        QVERIFY(taxes.AddTax(editor));
        QCOMPARE(taxes.DataSet()->RecordCount(), 2);
        QCOMPARE(taxes.IdFld()->AsInteger(), 2);
        QCOMPARE(taxes.UnLiveUnitCalcFld()->AsString(), QStringLiteral("3元/平方米"));
        QCOMPARE(DbValue("select UnLiveUnitId from tax where Id=2").toInt(), 1);
    }

    void editTaxFillsFromCurrentRow() {
        InsertTax(1, QStringLiteral("契税"), 1.5, 0, 3, 1);
        TTaxSet taxes;
        TScriptedTaxEditor editor;
        editor.answers = {{true, {QStringLiteral("新契税"), 2, 0, 4, 2}}};
        QVERIFY(taxes.EditTax(editor));
        QCOMPARE(editor.caption, QStringLiteral("修改"));
        QCOMPARE(editor.given.TaxName, QStringLiteral("契税"));
        QCOMPARE(editor.given.UnLiveRate, 3.0);
        QCOMPARE(editor.given.UnLiveUnitId, 1);
        QCOMPARE(taxes.DataSet()->RecordCount(), 1);
        QCOMPARE(DbValue("select TaxName from tax where Id=1").toString(),
                 QStringLiteral("新契税"));
        QCOMPARE(taxes.UnLiveUnitCalcFld()->AsString(), QStringLiteral("4元"));
    }
};

ORBEL_DB_TEST_MAIN(TstTaxSet)
#include "tst_taxset.moc"
