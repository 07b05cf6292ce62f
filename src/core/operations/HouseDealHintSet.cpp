#include "operations/HouseDealHintSet.h"

THouseDealHintSet::THouseDealHintSet(QObject* parent)
    : THintSet(QStringLiteral("SELECT deals.*, house.Code as HouseCode from deals, house where "
                              "deals.HouseId=house.Id and now between hintdate-hintdays and "
                              "hintdate"),
               parent) {
    AddField(TFieldKind::Integer, QStringLiteral("Id"), -1, false, QStringLiteral("Id"));
    AddField(TFieldKind::Integer, QStringLiteral("HouseId"), -1, false, QStringLiteral("HouseId"));
    AddField(TFieldKind::WideString, QStringLiteral("HouseCode"), 20, true,
             QStringLiteral("房源编号"));
    AddField(TFieldKind::WideString, QStringLiteral("DealType"), 10, true, QStringLiteral("类别"));
    AddField(TFieldKind::WideString, QStringLiteral("ClientName"), 50, true,
             QStringLiteral("客户名称"));
    AddField(TFieldKind::WideString, QStringLiteral("ClientTel"), 50, true,
             QStringLiteral("联系电话"));
    AddField(TFieldKind::DateTime, QStringLiteral("SignDate"), -1, true,
             QStringLiteral("签约日期"));
    AddField(TFieldKind::Memo, QStringLiteral("Content"), -1, true, QStringLiteral("备注"));
    AddField(TFieldKind::DateTime, QStringLiteral("HintDate"), -1, true, QStringLiteral("提醒"));
    AddField(TFieldKind::WideString, QStringLiteral("Handman"), -1, true, QStringLiteral("经办人"));
    AddField(TFieldKind::WideString, QStringLiteral("Billman"), -1, true, QStringLiteral("录入人"));
}
