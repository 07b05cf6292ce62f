#include "records/HistorySet.h"

#include "data/Database.h"

THistorySet::THistorySet(const QString& table, const QString& parentColumn, const QString& order,
                         TDatabase* db)
    : TRecordSet(db), m_table(table), m_parentColumn(parentColumn), m_order(order) {}

void THistorySet::AddKeyFields() {
    m_id = AddField(TFieldKind::Integer, QStringLiteral("Id"), -1, false, QStringLiteral("Id"));
    m_parentId = AddField(TFieldKind::Integer, m_parentColumn, -1, false, m_parentColumn);
}

void THistorySet::SetWriteStatements(const QString& insertSql, const QString& updateSql,
                                     const QList<TField*>& written) {
    m_insertSql = insertSql;
    m_updateSql = updateSql;
    m_written = written;
}

void THistorySet::OpenByParent(int parentId) {
    Open(QStringLiteral("select * from %1 where %2=:%2%3").arg(m_table, m_parentColumn, m_order),
         {Param(m_parentColumn, parentId)});
}

void THistorySet::EnsureOpen(int parentId) {
    if (!DataSet()->Active())
        OpenByParent(parentId);
}

void THistorySet::DeleteCurrent() {
    TDataSet* ds = DataSet();
    if (!ds->Active() || (ds->IsEmpty() && !ds->Editing()))
        return;
    Database().Execute(QStringLiteral("delete from %1 where Id=:Id").arg(m_table),
                       {Param(QStringLiteral("Id"), m_id->AsInteger())});
    ds->Delete();
}

int THistorySet::Save() {
    return WriteRow(m_table, m_id, m_insertSql, m_updateSql, FieldParams(m_written), {}, true);
}
