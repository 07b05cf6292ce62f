#include "records/ChangeSet.h"

#include "data/Database.h"
#include "operators/Operator.h"

TChangeSet::TChangeSet(const QString& table, const QString& parentColumn, TDatabase* db)
    : THistorySet(table, parentColumn, QStringLiteral(" order by Id desc"), db) {
    AddKeyFields();
    m_changer = AddField(TFieldKind::WideString, QStringLiteral("Changer"), 30, true,
                         QStringLiteral("修改人"));
    m_changeTime = AddField(TFieldKind::DateTime, QStringLiteral("ChangeTime"), -1, true,
                            QStringLiteral("修改时间"));
    m_changeDetails = AddField(TFieldKind::Memo, QStringLiteral("ChangeDetails"), -1, true,
                               QStringLiteral("修改内容"));
    m_notes = AddField(TFieldKind::Memo, QStringLiteral("Notes"), -1, true, QStringLiteral("备注"));
    SetWriteStatements(
        QStringLiteral("insert into %1(Id,%2,Changer, ChangeTime, ChangeDetails)values(:Id,:%2,"
                       ":Changer, :ChangeTime, :ChangeDetails)")
            .arg(table, parentColumn),
        QStringLiteral("update %1 set %2=:%2,Changer=:Changer, ChangeTime=:ChangeTime, "
                       "ChangeDetails=:ChangeDetails where Id=:Id")
            .arg(table, parentColumn),
        {IdFld(), ParentIdFld(), m_changer, m_changeTime, m_changeDetails});
}

void TChangeSet::AddChange(int parentId, const QString& text) {
    EnsureOpen(parentId);
    const QDateTime now = Database().ServerNow();
    DataSet()->Append();
    ParentIdFld()->SetAsInteger(parentId);
    m_changer->SetAsString(CurrentOperator().LoginId);
    m_changeTime->SetAsDateTime(now);
    m_changeDetails->SetAsString(text);
    Save();
}

void TChangeSet::SetNotes(const QString& text) {
    TDataSet* ds = DataSet();
    if (!ds->Active() || ds->IsEmpty())
        return;
    ds->Edit();
    m_notes->SetAsString(text);
    try {
        Database().Execute(QStringLiteral("update %1 set Notes=:Notes where Id=:Id").arg(Table()),
                           {Param(QStringLiteral("Notes"), text),
                            Param(QStringLiteral("Id"), IdFld()->AsInteger())});
    } catch (...) {
        ds->Cancel();
        throw;
    }
    ds->Post();
}
