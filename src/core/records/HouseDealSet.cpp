#include "records/HouseDealSet.h"

THouseDealSet::THouseDealSet(TDatabase* db)
    : THistorySet(QStringLiteral("deals"), QStringLiteral("HouseId"), QString(), db) {
    AddKeyFields();
    m_dealType = AddField(TFieldKind::WideString, QStringLiteral("DealType"), 10, true,
                          QStringLiteral("类别"));
    m_clientName = AddField(TFieldKind::WideString, QStringLiteral("ClientName"), 50, true,
                            QStringLiteral("客户名称"));
    m_clientTel = AddField(TFieldKind::WideString, QStringLiteral("ClientTel"), 50, true,
                           QStringLiteral("联系电话"));
    m_clientNote = AddField(TFieldKind::WideString, QStringLiteral("ClientNote"), 250, true,
                            QStringLiteral("客户备注"));
    m_signDate = AddField(TFieldKind::DateTime, QStringLiteral("SignDate"), -1, true,
                          QStringLiteral("签约日期"));
    m_content =
        AddField(TFieldKind::Memo, QStringLiteral("Content"), -1, true, QStringLiteral("备注"));
    m_hintDate = AddField(TFieldKind::DateTime, QStringLiteral("HintDate"), -1, true,
                          QStringLiteral("提醒日期"));
    m_hintDays = AddField(TFieldKind::Integer, QStringLiteral("HintDays"), -1, true,
                          QStringLiteral("提醒日数"));
    m_handman = AddField(TFieldKind::WideString, QStringLiteral("Handman"), 20, true,
                         QStringLiteral("经办人"));
    m_billman = AddField(TFieldKind::WideString, QStringLiteral("Billman"), 20, true,
                         QStringLiteral("录入人"));
    SetWriteStatements(
        QStringLiteral("insert into deals(Id, HouseId, DealType, SignDate, ClientName, ClientTel, "
                       "ClientNote, Content, HintDate, HintDays, Handman, Billman)values(:Id, "
                       ":HouseId, :DealType, :SignDate, :ClientName, :ClientTel, :ClientNote, "
                       ":Content, :HintDate, :HintDays, :Handman, :Billman)"),
        QStringLiteral("update deals set HouseId=:HouseId, DealType=:DealType, SignDate=:SignDate, "
                       "ClientName=:ClientName, ClientTel=:ClientTel, ClientNote=:ClientNote, "
                       "Content=:Content, HintDate=:HintDate, HintDays=:HintDays, "
                       "Handman=:Handman, Billman=:Billman where Id=:Id"),
        DataSet()->Fields());
}
