#include "records/TaxSet.h"

#include "app/Error.h"
#include "app/Messenger.h"
#include "data/Database.h"

#include <QLocale>

TTaxSet::TTaxSet(TDatabase* db) : TRecordSet(db) {
    m_id = AddField(TFieldKind::Integer, QStringLiteral("Id"), -1, false, QStringLiteral("Id"));
    m_taxName = AddField(TFieldKind::WideString, QStringLiteral("TaxName"), 50, true,
                         QStringLiteral("税费名称"));
    m_taxName->SetDisplayWidth(120);
    m_liveRate = AddField(TFieldKind::Float, QStringLiteral("LiveRate"), -1, false,
                          QStringLiteral("LiveRate"));
    m_liveUnitId = AddField(TFieldKind::Integer, QStringLiteral("LiveUnitId"), -1, false,
                            QStringLiteral("LiveUnitId"));
    m_liveUnitCalc = AddCalcField(TFieldKind::WideString, QStringLiteral("LiveUnitCalc"), 50, true,
                                  QStringLiteral("住宅 "));
    m_liveUnitCalc->SetDisplayWidth(100);
    m_liveUnitCalc->SetAlignment(TFieldAlignment::Right);
    m_liveTaxFund =
        AddField(TFieldKind::Float, QStringLiteral("LiveTaxFund"), -1, true, QStringLiteral(" "));
    m_liveTaxFund->SetDisplayWidth(80);
    m_unLiveRate = AddField(TFieldKind::Float, QStringLiteral("UnLiveRate"), -1, false,
                            QStringLiteral("UnLiveRate"));
    m_unLiveUnitId = AddField(TFieldKind::Integer, QStringLiteral("UnLiveUnitId"), -1, false,
                              QStringLiteral("UnLiveUnitId"));
    m_unLiveUnit = AddCalcField(TFieldKind::WideString, QStringLiteral("UnLiveUnit"), 50, true,
                                QStringLiteral(" 非住宅"));
    m_unLiveUnit->SetDisplayWidth(100);
    m_unLiveUnit->SetAlignment(TFieldAlignment::Right);
    m_unLiveTaxFund =
        AddField(TFieldKind::Float, QStringLiteral("UnLiveTaxFund"), -1, true, QStringLiteral(" "));
    m_unLiveTaxFund->SetDisplayWidth(80);
    Open(QStringLiteral("select * from tax"));
}

QString TTaxSet::UnitText(double rate, int unitId) {
    const QString number = QString::number(rate, 'g', QLocale::FloatingPointShortest);
    switch (unitId) {
    case kPercent:
        return number + QStringLiteral("%");
    case kPerSquareMetre:
        return number + QStringLiteral("元/平方米");
    case kFixed:
        return number + QStringLiteral("元");
    default:
        return QStringLiteral("未知");
    }
}

QVariant TTaxSet::TaxAmount(double rate, int unitId, double price, double area) {
    switch (unitId) {
    case kPercent:
        return rate * price / 100;
    case kPerSquareMetre:
        return rate * area;
    case kFixed:
        return rate;
    default:
        return QVariant();
    }
}

void TTaxSet::CalcFields() {
    m_liveUnitCalc->SetAsString(UnitText(m_liveRate->AsFloat(), m_liveUnitId->AsInteger()));
    m_unLiveUnit->SetAsString(UnitText(m_unLiveRate->AsFloat(), m_unLiveUnitId->AsInteger()));
}

int TTaxSet::Save() {
    return WriteRow(
        QStringLiteral("tax"), m_id,
        QStringLiteral("insert into tax(Id, TaxName, LiveRate, LiveUnitId, UnLiveRate, "
                       "UnLiveUnitId) values (:Id, :TaxName, :LiveRate, :LiveUnitId, "
                       ":UnLiveRate, :UnLiveUnitId)"),
        QStringLiteral("update tax set TaxName=:TaxName, LiveRate=:LiveRate, "
                       "LiveUnitId=:LiveUnitId, UnLiveRate=:UnLiveRate, "
                       "UnLiveUnitId=:UnLiveUnitId where Id=:Id"),
        FieldParams({m_taxName, m_liveRate, m_liveUnitId, m_unLiveRate, m_unLiveUnitId}), {}, true);
}

void TTaxSet::DeleteCurrent() {
    TDataSet* ds = DataSet();
    if (!ds->Active() || (ds->IsEmpty() && !ds->Editing()))
        return;
    Database().Execute(QStringLiteral("delete from tax where Id=:Id"),
                       {Param(QStringLiteral("Id"), m_id->AsInteger())});
    ds->Delete();
}

void TTaxSet::ComputeTaxes(double price, double area) {
    TDataSet* ds = DataSet();
    if (!ds->Active())
        return;
    ds->DisableControls();
    for (ds->First(); !ds->Eof(); ds->Next()) {
        ds->Edit();
        m_liveTaxFund->SetValue(
            TaxAmount(m_liveRate->AsFloat(), m_liveUnitId->AsInteger(), price, area));
        m_unLiveTaxFund->SetValue(
            TaxAmount(m_unLiveRate->AsFloat(), m_unLiveUnitId->AsInteger(), price, area));
        ds->Post();
    }
    ds->First();
    ds->EnableControls();
}

void TTaxSet::TakeValues(const TTaxEditor::TValues& values) {
    m_taxName->SetAsString(values.TaxName);
    m_liveRate->SetAsFloat(values.LiveRate);
    m_liveUnitId->SetAsInteger(values.LiveUnitId);
    m_unLiveRate->SetAsFloat(values.UnLiveRate);
    m_unLiveUnitId->SetAsInteger(values.UnLiveUnitId);
}

TTaxEditor::TValues TTaxSet::CurrentValues() const {
    return {m_taxName->AsString(), m_liveRate->AsFloat(), m_liveUnitId->AsInteger(),
            m_unLiveRate->AsFloat(), m_unLiveUnitId->AsInteger()};
}

bool TTaxSet::RunEditor(TTaxEditor& editor, bool append) {
    TDataSet* ds = DataSet();
    while (editor.Execute()) {
        if (append)
            ds->Append();
        else
            ds->Edit();
        try {
            TakeValues(editor.Values());
            Save();
            return true;
        } catch (const EAbort&) {
            ds->Cancel();
        } catch (const EOrbelError& e) {
            ds->Cancel();
            ShowMessage(e.Message());
        }
    }
    return false;
}

bool TTaxSet::AddTax(TTaxEditor& editor) {
    editor.SetCaption(QStringLiteral("增加"));
    editor.SetValues({});
    return RunEditor(editor, true);
}

bool TTaxSet::EditTax(TTaxEditor& editor) {
    if (DataSet()->IsEmpty())
        return false;
    editor.SetCaption(QStringLiteral("修改"));
    editor.SetValues(CurrentValues());
    return RunEditor(editor, false);
}
