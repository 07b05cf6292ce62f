#include "ScriptedMessenger.h"
#include "TestDatabase.h"

#include "app/Error.h"
#include "data/Database.h"
#include "data/RecordSet.h"
#include "data/ZyClientDataSet.h"

#include <QSignalSpy>
#include <QTest>

namespace {

// A small wrapper over `tax` with one calculated field, as the table wrappers are.
class TTaxRows : public TRecordSet {
  public:
    TTaxRows() {
        Id = AddField(TFieldKind::Integer, QStringLiteral("Id"), -1, false, QStringLiteral("Id"));
        Name = AddField(TFieldKind::WideString, QStringLiteral("TaxName"), 50, true,
                        QStringLiteral("税费名称"));
        Rate = AddField(TFieldKind::Float, QStringLiteral("LiveRate"), -1, true,
                        QStringLiteral("税率"));
        Unit = AddField(TFieldKind::Integer, QStringLiteral("LiveUnitId"));
        Text = AddCalcField(TFieldKind::WideString, QStringLiteral("RateText"), 30);
    }
    int Save() {
        return WriteRow(QStringLiteral("tax"), Id,
                        QStringLiteral("insert into tax(Id, TaxName, LiveRate, LiveUnitId) values "
                                       "(:Id, :TaxName, :LiveRate, :LiveUnitId)"),
                        QStringLiteral("update tax set TaxName=:TaxName, LiveRate=:LiveRate, "
                                       "LiveUnitId=:LiveUnitId where Id=:Id"),
                        FieldParams({Name, Rate, Unit}));
    }
    int calcCalls = 0;
    TField *Id, *Name, *Rate, *Unit, *Text;

  protected:
    void CalcFields() override {
        ++calcCalls;
        Text->SetAsString(QString::number(Rate->AsFloat()) + (Unit->AsInteger() == 0 ? "%" : "元"));
    }
};

void AddTax(int id, const QString& name, double rate, int unit) {
    DbConnection().Execute(
        QStringLiteral(
            "insert into tax(Id, TaxName, LiveRate, LiveUnitId) values (:Id, :N, :R, :U)"),
        {Param("Id", id), Param("N", name), Param("R", rate), Param("U", unit)});
}

} // namespace

class TstRecordSet : public QObject {
    Q_OBJECT
  private slots:
    void init() {
        FreshDatabase(TTestContent::Tables);
        AddTax(1, QStringLiteral("契税"), 1.5, 0);
        AddTax(2, QStringLiteral("印花税"), 0.05, 0);
        AddTax(3, QStringLiteral("登记费"), 80, 2);
    }

    void openEmptyAndSqlError() {
        TTaxRows rs;
        QCOMPARE(rs.Open(QStringLiteral("select * from tax where 1=2")), 0);
        QVERIFY(rs.DataSet()->Active());
        QVERIFY(rs.DataSet()->IsEmpty());

        TScriptedMessenger m;
        const QString bad = QStringLiteral("select * fromm tax");
        QVERIFY_THROWS_EXCEPTION(EAbort, rs.Open(bad));
        QCOMPARE(m.shown.size(), 1);
        QVERIFY(m.shown[0].startsWith(QStringLiteral("\r\nSQL语句错误,原文如下:\r\n") + bad +
                                      QStringLiteral("\r\n\r\n错误提示:\r\n")));
        QVERIFY(!rs.DataSet()->Active());
        QVERIFY_THROWS_EXCEPTION(EOrbelError, rs.DataSet()->RecordCount());

        // A persistent field missing from the result fails the open the same way.
        m.Clear();
        QVERIFY_THROWS_EXCEPTION(EAbort, rs.Open(QStringLiteral("select Id, TaxName from tax")));
        QCOMPARE(m.shown.size(), 1);
        // An unknown parameter is the data layer's own error, without the SQL message.
        m.Clear();
        try {
            rs.Open(QStringLiteral("select * from tax"), {Param("Missing", 1)});
            QFAIL("no error");
        } catch (const EAbort&) {
            QFAIL("shown as an SQL error");
        } catch (const EOrbelError&) {
        }
        QVERIFY(m.shown.isEmpty());
    }

    void fieldsLabelsAndCalculated() {
        TTaxRows rs;
        QCOMPARE(rs.Open(QStringLiteral("select * from tax order by Id")), 3);
        QCOMPARE(rs.Name->DisplayLabel(), QStringLiteral("税费名称"));
        QCOMPARE(rs.Unit->DisplayLabel(), QStringLiteral("LiveUnitId"));
        QCOMPARE(rs.Name->Size(), 50);
        QCOMPARE(rs.AddField(TFieldKind::WideString, "X")->Size(), 20);
        QVERIFY(!rs.Id->Visible());
        QCOMPARE(rs.calcCalls, 0); // calculated lazily, once per row
        QCOMPARE(rs.Text->AsString(), QStringLiteral("1.5%"));
        rs.Text->AsString();
        QCOMPARE(rs.calcCalls, 1);
        QCOMPARE(rs.DataSet()->DisplayTextAt(2, rs.Text->Index()), QStringLiteral("80元"));
        // Editing recalculates from the edited values.
        rs.DataSet()->Edit();
        rs.Rate->SetAsFloat(3);
        QCOMPARE(rs.Text->AsString(), QStringLiteral("3%"));
        rs.DataSet()->Cancel();
        QCOMPARE(rs.Text->AsString(), QStringLiteral("1.5%"));
    }

    void sortFilterLocate() {
        TTaxRows rs;
        rs.Open(QStringLiteral("select * from tax"));
        TDataSet* ds = rs.DataSet();
        ds->SetSort(QStringLiteral("LiveUnitId DESC , LiveRate"));
        QCOMPARE(rs.JoinValues(rs.Id, ","), QStringLiteral("3,2,1"));
        ds->SetSort(QStringLiteral("LiveUnitId ASC,LiveRate DESC"));
        QCOMPARE(rs.JoinValues(rs.Id, ","), QStringLiteral("1,2,3"));
        QVERIFY_THROWS_EXCEPTION(EOrbelError, ds->SetSort(QStringLiteral("Nope DESC")));
        QCOMPARE(ds->Sort(), QStringLiteral("LiveUnitId ASC,LiveRate DESC"));
        ds->SetSort(QString());

        ds->SetFilter(QStringLiteral("LiveUnitId=0 and LiveRate<1"));
        ds->SetFiltered(true);
        QCOMPARE(rs.JoinValues(rs.Id, ","), QStringLiteral("2"));
        ds->SetFilter(QStringLiteral("TaxName like '*税' or [Id]=3"));
        QCOMPARE(rs.JoinValues(rs.Id, ","), QStringLiteral("1,2,3"));
        ds->SetFilter(QStringLiteral("TaxName like '%花%'"));
        QCOMPARE(rs.JoinValues(rs.Id, ","), QStringLiteral("2"));
        ds->SetFilter(QStringLiteral("RateText = '80元'")); // calculated fields filter too
        QCOMPARE(rs.JoinValues(rs.Id, ","), QStringLiteral("3"));
        QVERIFY_THROWS_EXCEPTION(EOrbelError, ds->SetFilter(QStringLiteral("LiveRate >")));
        ds->SetFiltered(false);
        QCOMPARE(ds->RecordCount(), 3);

        QVERIFY(ds->Locate(QStringLiteral("TaxName"), QStringLiteral("印花税")));
        QCOMPARE(rs.Id->AsInteger(), 2);
        QVERIFY(ds->Locate(QStringLiteral("LiveUnitId;TaxName"), {2, QStringLiteral("登记费")}));
        QCOMPARE(rs.Id->AsInteger(), 3);
        QVERIFY(!ds->Locate(QStringLiteral("TaxName"), QStringLiteral("无")));
        QCOMPARE(rs.Id->AsInteger(), 3);
        QVERIFY(ds->Locate(QStringLiteral("TaxName"), QStringLiteral("契"), TDataSet::PartialKey));
        QCOMPARE(rs.Id->AsInteger(), 1);
    }

    void localEditsNeverReachTheDatabase() {
        TTaxRows rs;
        rs.Open(QStringLiteral("select * from tax order by Id"));
        TDataSet* ds = rs.DataSet();
        QSignalSpy changed(ds, &TDataSet::RowChanged);
        ds->Edit();
        rs.Name->SetAsString(QStringLiteral("改"));
        ds->Post();
        QCOMPARE(changed.count(), 1);
        ds->Append();
        rs.Id->SetAsInteger(9);
        ds->Post();
        ds->First();
        ds->Delete();
        QCOMPARE(ds->RecordCount(), 3);
        QVERIFY_THROWS_EXCEPTION(EOrbelError, rs.Name->SetAsString("x")); // not editing
        rs.Refresh();
        QCOMPARE(rs.JoinValues(rs.Name, ","), QStringLiteral("契税,印花税,登记费"));
        QCOMPARE(rs.Id->AsInteger(), 3); // JoinValues leaves the copy after its last row
        rs.DeleteAll();
        QVERIFY(ds->IsEmpty());
        rs.DeleteAll(); // empty: nothing happens
        rs.DeleteCurrent();
        QCOMPARE(rs.JoinValues(rs.Name, ","), QString());
    }

    void writeConventionInsertsThenUpdates() {
        DbConnection().Execute(QStringLiteral("delete from tax"));
        TTaxRows rs;
        rs.Open(QStringLiteral("select * from tax"));
        rs.DataSet()->Append();
        rs.Name->SetAsString(QStringLiteral("甲"));
        QCOMPARE(rs.Save(), 1);
        rs.DataSet()->Append();
        rs.Name->SetAsString(QStringLiteral("乙"));
        QCOMPARE(rs.Save(), 2);
        QCOMPARE(rs.Id->AsInteger(), 2);
        rs.DataSet()->Edit();
        rs.Rate->SetAsFloat(7);
        QCOMPARE(rs.Save(), 2);
        TTaxRows check;
        check.Open(QStringLiteral("select * from tax order by Id"));
        QCOMPARE(check.JoinValues(check.Name, ","), QStringLiteral("甲,乙"));
        QCOMPARE(check.Rate->AsFloat(), 7.0);
    }

    void writeErrorCancelsLocalRow() {
        TTaxRows rs;
        rs.Open(QStringLiteral("select * from tax"));
        rs.DataSet()->Append();
        rs.Name->SetAsString(QStringLiteral("丙"));
        try {
            rs.WriteRow(QStringLiteral("tax"), rs.Id,
                        QStringLiteral("insert into nosuch(Id) values (:Id)"), QString(), {});
            QFAIL("no error");
        } catch (const EOrbelError& e) {
            QVERIFY(e.Message().endsWith(QStringLiteral("insert into nosuch(Id) values (:Id)")));
        }
        QVERIFY(!rs.DataSet()->Editing());
        QCOMPARE(rs.DataSet()->RecordCount(), 3);
    }

    void conversionMessages() {
        TTaxRows rs;
        rs.Open(QStringLiteral("select * from tax"));
        rs.DataSet()->Edit();
        try {
            rs.Unit->SetValue(QStringLiteral("abc"));
            QFAIL("accepted");
        } catch (const EOrbelError& e) {
            QCOMPARE(e.Message(), QStringLiteral("'abc' 不是有效的整数值."));
        }
        rs.Unit->SetValue(QString()); // empty text is NULL for numbers
        QVERIFY(rs.Unit->IsNull());
        QCOMPARE(rs.Unit->AsInteger(), 0);
        rs.DataSet()->Cancel();
    }

    void scratchSetReplacesRows() {
        TRecordSet& s = ScratchSet();
        QCOMPARE(s.Open(QStringLiteral("select Id, TaxName from tax order by Id")), 3);
        QCOMPARE(s.DataSet()->FieldCount(), 2);
        QCOMPARE(s.Open(QStringLiteral("select max(Id) from tax")), 1);
        QCOMPARE(s.DataSet()->FieldCount(), 1);
        QCOMPARE(s.DataSet()->Field(0)->AsInteger(), 3);
        QCOMPARE(TRecordSet::NextId(QStringLiteral("house")), 1);
        QCOMPARE(TRecordSet::NextId(QStringLiteral("tax")), 4);
    }

    void joinValuesWithLineBreaks() {
        DbConnection().Execute(QStringLiteral("insert into operator(LoginId) values ('a')"));
        DbConnection().Execute(QStringLiteral("insert into operator(LoginId) values ('b')"));
        TRecordSet rs;
        rs.Open(QStringLiteral("select LoginId from operator order by LoginId"));
        QCOMPARE(rs.JoinValues(rs.DataSet()->Field(0), QStringLiteral("\r\n")),
                 QStringLiteral("a\r\nb"));
    }

    void notificationsFollowTheCopy() {
        TTaxRows rs;
        QSignalSpy opened(rs.DataSet(), &TDataSet::AfterOpen);
        QSignalSpy scrolled(rs.DataSet(), &TDataSet::AfterScroll);
        QSignalSpy data(rs.DataSet(), &TDataSet::DataChanged);
        rs.Open(QStringLiteral("select * from tax order by Id"));
        QCOMPARE(opened.count(), 1);
        QVERIFY(scrolled.count() >= 1);
        const int before = scrolled.count();
        rs.DataSet()->Next();
        QCOMPARE(scrolled.count(), before + 1);
        rs.DataSet()->Edit();
        rs.Rate->SetAsFloat(2);
        rs.DataSet()->Post();
        QVERIFY(data.count() >= 2);
        // Refresh redraws once: one reset while controls are disabled.
        QSignalSpy reset(rs.DataSet(), &TDataSet::LayoutReset);
        rs.Refresh();
        QCOMPARE(reset.count(), 1);
        QCOMPARE(rs.Id->AsInteger(), 1);
    }

    void clientDataSetInMemory() {
        TZyClientDataSet cds;
        TField* item = cds.DataSet()->AddField(TFieldKind::WideString, QStringLiteral("Itm"), 50);
        TField* count = cds.DataSet()->AddField(TFieldKind::Integer, QStringLiteral("Cnt"));
        cds.CreateDataSet();
        for (const auto& [i, c] : {std::pair{"东区", 3}, std::pair{"西区", 5}}) {
            cds.DataSet()->Append();
            item->SetAsString(QString::fromUtf8(i));
            count->SetAsInteger(c);
            cds.DataSet()->Post();
        }
        QVERIFY(cds.DataSet()->Locate(QStringLiteral("Itm;Cnt"), {QStringLiteral("东区"), 3}));
        QCOMPARE(count->AsInteger(), 3);
        cds.DataSet()->First();
        int sum = 0;
        while (!cds.DataSet()->Eof()) {
            sum += count->AsInteger();
            cds.DataSet()->Next();
        }
        QCOMPARE(sum, 8);
    }
};

ORBEL_DB_TEST_MAIN(TstRecordSet)
#include "tst_recordset.moc"
