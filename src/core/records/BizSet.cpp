#include "records/BizSet.h"

#include "data/Database.h"
#include "data/SqlText.h"
#include "records/RecordContext.h"

#include <cmath>

TBizSet::TBizSet(const TStatements& statements, TDatabase* db) : TRecordSet(db), m_st(statements) {
    for (const QString& name : ToPositional(m_st.insert).names) {
        if (name.compare(QLatin1String("Id"), Qt::CaseInsensitive) != 0 &&
            !m_columns.contains(name))
            m_columns << name;
    }
}

void TBizSet::DefineFields(const TFieldDef* defs, int count) {
    for (int i = 0; i < count; ++i) {
        const TFieldDef& d = defs[i];
        const QString name = QLatin1String(d.name);
        const QString label = QString::fromUtf8(d.label);
        if (d.calculated)
            AddCalcField(d.kind, name, d.size, d.shown, label);
        else
            AddField(d.kind, name, d.size, d.shown, label);
    }
}

TField* TBizSet::Named(const char* name) const {
    return DataSet()->FieldByName(QLatin1String(name));
}

bool TBizSet::HasRow() const {
    return DataSet()->Active() && !DataSet()->IsEmpty();
}

void TBizSet::OpenById(int id) {
    if (HasRow() && DataSet()->Locate(QStringLiteral("Id"), id))
        return;
    Open(m_st.byId, {Param(QStringLiteral("Id"), id)});
}

void TBizSet::OpenRecycled() {
    Open(m_st.recycled);
}

void TBizSet::OpenByAttention() {
    Open(m_st.byAttention, {Param(QStringLiteral("LoginId"), CurrentLoginId())});
}

bool TBizSet::IsAttention() {
    TRecordSet& scratch = ScratchSet();
    const int rows =
        scratch.Open(m_st.isAttention, {Param(m_st.attentionKey, Named("Id")->AsInteger()),
                                        Param(QStringLiteral("LoginId"), CurrentLoginId())});
    scratch.Close();
    return rows > 0;
}

void TBizSet::SetAttention(bool on) {
    Database().Execute(on ? m_st.attentionOn : m_st.attentionOff,
                       {Param(QStringLiteral("LoginId"), CurrentLoginId()),
                        Param(m_st.attentionKey, Named("Id")->AsInteger())});
}

// Runs a statement for the row being edited; the edit is cancelled when it fails.
void TBizSet::ExecuteOnRow(const QString& sql, const TDBParameters& params) {
    TDataSet* ds = DataSet();
    try {
        Database().Execute(sql, params);
    } catch (...) {
        ds->Cancel();
        throw;
    }
}

void TBizSet::SetRecycle(bool flag) {
    if (!HasRow())
        return;
    DataSet()->Edit();
    Named("IsRecycle")->SetAsBoolean(flag);
    ExecuteOnRow(m_st.setRecycle, {Param(QStringLiteral("IsRecycle"), flag),
                                   Param(QStringLiteral("Id"), Named("Id")->AsInteger())});
    // The row no longer belongs to the list it was shown in.
    RemoveCurrentRow();
}

void TBizSet::SetBroker(const QString& broker) {
    if (!HasRow())
        return;
    DataSet()->Edit();
    Named("Broker")->SetAsString(broker);
    ExecuteOnRow(m_st.setBroker, {Param(QStringLiteral("NewBroker"), broker),
                                  Param(QStringLiteral("Id"), Named("Id")->AsInteger())});
    DataSet()->Post();
}

QVariant TBizSet::SaveValue(TField* field) const {
    // The flag is always written as a truth value, a NULL as false.
    if (field->Kind() == TFieldKind::Boolean)
        return field->AsBoolean();
    return field->Value();
}

void TBizSet::Save() {
    TDBParameters params;
    params.reserve(m_columns.size());
    for (const QString& column : m_columns)
        params << Param(column, SaveValue(DataSet()->FieldByName(column)));
    WriteRow(m_st.table, Named("Id"), m_st.insert, m_st.update, params);
}

bool TBizSet::DeleteWithDependants() {
    if (!HasRow())
        return false;
    const TDBParameters id{Param(QStringLiteral("Id"), Named("Id")->AsInteger())};
    TTransaction transaction(Database());
    for (const QString& sql : m_st.deletes)
        Database().Execute(sql, id);
    transaction.Commit();
    RemoveCurrentRow();
    return true;
}

void TBizSet::RemoveCurrentRow() {
    if (HasRow())
        DataSet()->Delete();
}

double TBizSet::Money(double value) {
    return std::round(value * 10000.0) / 10000.0;
}
