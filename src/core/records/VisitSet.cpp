#include "records/VisitSet.h"

TVisitSet::TVisitSet(const QString& table, const QString& parentColumn, const QString& order,
                     TDatabase* db)
    : THistorySet(table, parentColumn, order, db) {
    AddKeyFields();
    m_vizDate =
        AddField(TFieldKind::DateTime, QStringLiteral("VizDate"), -1, true, QStringLiteral("日期"));
    m_vizType = AddField(TFieldKind::WideString, QStringLiteral("VizType"), 10, true,
                         QStringLiteral("跟进方式"));
    m_handman = AddField(TFieldKind::WideString, QStringLiteral("Handman"), 20, true,
                         QStringLiteral("跟进人"));
    m_details = AddField(TFieldKind::Memo, QStringLiteral("Details"), -1, false,
                         QStringLiteral("详情描述"));
    m_hintDate = AddField(TFieldKind::DateTime, QStringLiteral("HintDate"), -1, false,
                          QStringLiteral("提醒日期"));
    m_hintDays = AddField(TFieldKind::Integer, QStringLiteral("HintDays"), -1, false,
                          QStringLiteral("提前日数"));
    m_billman = AddField(TFieldKind::WideString, QStringLiteral("Billman"), 20, true,
                         QStringLiteral("登记人"));
    SetWriteStatements(
        QStringLiteral("insert into %1(Id,%2,VizDate,VizType,Handman,Details,HintDate,HintDays,"
                       "Billman)values(:Id,:%2,:VizDate,:VizType,:Handman,:Details,:HintDate,"
                       ":HintDays,:Billman)")
            .arg(table, parentColumn),
        QStringLiteral("update %1 set %2=:%2,VizDate=:VizDate,VizType=:VizType,Handman=:Handman,"
                       "Details=:Details,HintDate=:HintDate,HintDays=:HintDays,Billman=:Billman "
                       "where Id=:Id")
            .arg(table, parentColumn),
        DataSet()->Fields());
}
