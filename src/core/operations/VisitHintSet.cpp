#include "operations/VisitHintSet.h"

QString TVisitHintSet::DueSql(const QString& table, const QString& ownerIdField,
                              const QString& codeField) {
    return QStringLiteral("SELECT %1visits.*, %1.Code as %3 from %1visits, %1 where "
                          "%1visits.%2=%1.Id and now between hintdate-hintdays and hintdate")
        .arg(table, ownerIdField, codeField);
}

TVisitHintSet::TVisitHintSet(const QString& table, const QString& ownerIdField,
                             const QString& codeField, const QString& codeLabel, QObject* parent)
    : THintSet(DueSql(table, ownerIdField, codeField), parent) {
    AddField(TFieldKind::Integer, QStringLiteral("Id"), -1, false, QStringLiteral("Id"));
    AddField(TFieldKind::Integer, ownerIdField, -1, false, ownerIdField);
    AddField(TFieldKind::WideString, codeField, 20, true, codeLabel);
    AddField(TFieldKind::DateTime, QStringLiteral("VizDate"), -1, true, QStringLiteral("日期"));
    AddField(TFieldKind::WideString, QStringLiteral("Handman"), 20, true, QStringLiteral("跟进人"));
    AddField(TFieldKind::WideString, QStringLiteral("VizType"), 10, true,
             QStringLiteral("跟进方式"));
    AddField(TFieldKind::Memo, QStringLiteral("Details"), -1, false, QStringLiteral("详情描述"));
    AddField(TFieldKind::DateTime, QStringLiteral("HintDate"), -1, false,
             QStringLiteral("提醒日期"));
    AddField(TFieldKind::Integer, QStringLiteral("HintDays"), -1, false,
             QStringLiteral("提前日数"));
    AddField(TFieldKind::WideString, QStringLiteral("Billman"), 20, true, QStringLiteral("登记人"));
}
