#include "operators/Rights.h"

const QList<TRight>& RightsTable() {
    static const QList<TRight> table = {
        {rtRegister, QStringLiteral("登记权限")},
        {rtImport, QStringLiteral("导入权限")},
        {rtAssignBroker, QStringLiteral("指定经纪人")},
        {rtHouseContact, QStringLiteral("房源联系人信息查阅权限")},
        {rtSecretAddress, QStringLiteral("房源保密地址查阅权限")},
        {rtClientContact, QStringLiteral("客户联系信息查阅权限")},
        {rtRecycleBox, QStringLiteral("回收站管理权限")},
        {rtOthersRecords, QStringLiteral("超级业务管理权限")},
        {rtStatistics, QStringLiteral("房源及客户统计权限")},
        {rtOptions, QStringLiteral("选项设定权限")},
        {rtDocuments, QStringLiteral("文档管理权限")},
        {rtHelpMenu, QStringLiteral("帮助菜单")},
        {rtCompanyInfo, QStringLiteral("公司信息设置")},
        {rtOperators, QStringLiteral("操作员及权限管理")},
        {rtPrint, QStringLiteral("打印")},
        {rtPrintDesign, QStringLiteral("打印设计")},
        {rtExport, QStringLiteral("数据导出")},
        {rtChooseColumns, QStringLiteral("列选择")},
        {rtSaveLayout, QStringLiteral("列样式保存")},
        {rtBackupSettings, QStringLiteral("备份设置")},
        {rtToolsMenu, QStringLiteral("工具菜单设置")},
    };
    return table;
}

QString RightCaption(int number) {
    for (const TRight& right : RightsTable()) {
        if (right.Number == number)
            return right.Caption;
    }
    return QString();
}

QString RightsText(const QList<int>& numbers) {
    QString text;
    for (int n : numbers)
        text += QLatin1Char(',') + QString::number(n) + QLatin1Char(',');
    return text;
}

bool RightsGrant(const QString& rights, int number) {
    return rights.contains(QLatin1Char(',') + QString::number(number) + QLatin1Char(','));
}
