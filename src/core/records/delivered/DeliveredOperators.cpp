#include "records/delivered/DeliveredOperators.h"

#include "data/Database.h"
#include "records/delivered/DeliveredRows.h"

namespace {

struct TOperatorRow {
    const char* loginId;
    const char* name;
    const char* contact;
    const char* note;
    QList<int> rights;
};

// The manager runs the shop's business but not its operators; the broker
// registers, follows up and prints, and sees contacts of unassigned records.
const TOperatorRow kDemoOperators[] = {
    {"zhangmin", "张敏", "13800000001", "店长(演示账号,密码为空,请修改或删除)",
     {0, 23, 1, 24, 25, 26, 20, 4, 29, 6, 12, 30, 10000, 10002, 10003, 10004, 10008, 10006,
      10005, 10007}},
    {"liqiang", "李强", "13800000002", "经纪人(演示账号,密码为空,请修改或删除)",
     {0, 24, 26, 29, 30, 10002, 10004, 10008}},
};

void InsertOperator(TDatabase& db, const QString& loginId, const QString& name,
                    const QString& contact, const QString& note, const QString& rights) {
    TDeliveredRows::Insert(db, QStringLiteral("operator"),
                           {Param(QStringLiteral("LoginId"), loginId),
                            Param(QStringLiteral("Password"), QStringLiteral("")),
                            Param(QStringLiteral("Name"), name),
                            Param(QStringLiteral("Contact"), contact),
                            Param(QStringLiteral("Note"), note),
                            Param(QStringLiteral("Rights"), rights)});
}

} // namespace

QList<int> TDeliveredOperators::AllRights() {
    return {0,  23, 1,  24,    25,     26,    20,    4,     29,    6,    12,
            30, 10000, 100001, 10002, 10003, 10004, 10008, 10006, 10005, 10007};
}

QString TDeliveredOperators::RightsText(const QList<int>& rights) {
    QString text;
    for (int right : rights)
        text += QStringLiteral(",%1,").arg(right);
    return text;
}

void TDeliveredOperators::Install(TDatabase& db) {
    const bool onlySa =
        !TDeliveredRows::Exists(db, QStringLiteral("select 1 from operator where LoginId<>'sa'"));
    if (!TDeliveredRows::Exists(db, QStringLiteral("select 1 from operator where LoginId='sa'")))
        InsertOperator(db, QStringLiteral("sa"), QStringLiteral("系统管理员"), QStringLiteral(""),
                       QStringLiteral("系统用户,拥有全部权限"), RightsText(AllRights()));
    if (!onlySa)
        return;
    for (const TOperatorRow& op : kDemoOperators)
        InsertOperator(db, QString::fromUtf8(op.loginId), QString::fromUtf8(op.name),
                       QString::fromUtf8(op.contact), QString::fromUtf8(op.note),
                       RightsText(op.rights));
}
