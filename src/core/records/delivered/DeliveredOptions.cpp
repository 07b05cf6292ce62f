#include "records/delivered/DeliveredOptions.h"

#include "data/Database.h"
#include "records/delivered/DeliveredRows.h"

namespace {

// One entry: its key, its caption and its items separated by '|'. An entry with
// a code rule or without content has no items here.
struct TOptionEntry {
    int key;
    const char* label;
    const char* items;
};

// Pick lists of an agency in Hangzhou: its districts and the areas within them,
// the kinds, uses and states of property, fittings, nearby schools, hospitals,
// shops and lines, sources of listings and the trades of clients.
const TOptionEntry kEntries[] = {
    {0, "区域", "上城区|拱墅区|西湖区|滨江区|萧山区|余杭区|临平区|钱塘区"},
    {1, "物业类型", "住宅|公寓|别墅|商铺|写字楼|厂房|仓库|车位"},
    {2, "户型", "一室一厅|两室一厅|两室两厅|三室一厅|三室两厅|四室两厅|五室及以上|复式|跃层|平层"},
    {3, "朝向", "南|北|东|西|东南|西南|东北|西北|南北通透|东西"},
    {4, "装修级别", "毛坯|简装|中装|精装|豪装"},
    {5, "产权类型", "商品房|房改房|经济适用房|安置房|集资房|公房使用权|小产权房"},
    {6, "", ""},
    {7, "家电", "空调|冰箱|洗衣机|电视机|热水器|燃气灶|抽油烟机|微波炉|宽带|有线电视"},
    {8, "租赁方式", "押一付一|押一付三|押二付三|半年付|年付"},
    {9, "用途", "住宅|商住两用|商业|办公|工业|仓储"},
    {10, "公交线路",
     "地铁1号线|地铁2号线|地铁4号线|地铁5号线|地铁6号线|地铁7号线|地铁9号线|地铁19号线|B1路|"
     "B4路|7路|28路|155路|193路"},
    {11, "房源编号规则", ""},
    {12, "出租编号规则", ""},
    {13, "客户编号规则", ""},
    {14, "求租编号规则", ""},
    {15, "", ""},
    {16, "", ""},
    {17, "", ""},
    {18, "", ""},
    {19, "反馈提示", ""},
    {20, "出售房源默认条件", ""},
    {21, "出租房源默认条件", ""},
    {22, "求购客户默认条件", ""},
    {23, "求租客户默认条件", ""},
    {24, "每日提示", ""},
    {25, "", ""},
    {26, "外墙", "面砖|涂料|真石漆|马赛克|石材干挂|玻璃幕墙"},
    {27, "地板", "实木地板|实木复合地板|强化复合地板|地砖|大理石|水泥地面"},
    {28, "划片学校",
     "湖滨小学|南星实验小学|钱江学校|大关实验小学|和睦小学|文三街小学|古荡小学|翠苑第一小学|"
     "西溪实验学校|长河小学|西兴实验小学|城厢第一小学|北干小学|科技城实验小学|良渚第一小学|"
     "临平第一小学|下沙第一小学"},
    {29, "", ""},
    {30, "金额单位", "元/月|元/季|元/年|元/天|元/平方米·月"},
    {31, "", ""},
    {32, "地块",
     "湖滨|南星|四季青|大关|和睦|米市巷|文三|古荡|翠苑|西溪|长河|西兴|城厢|北干|未来科技城|良渚|"
     "临平新城|下沙"},
    {33, "房源来源", "上门登记|电话委托|网络平台|老客户介绍|社区驻点|同行合作|小区广告"},
    {34, "内墙", "乳胶漆|墙纸|硅藻泥|涂料|墙砖"},
    {35, "门窗", "断桥铝合金窗|塑钢窗|铝合金窗|实木门|防盗门|中空玻璃"},
    {36, "设施", "电梯|天然气|管道煤气|地暖|中央空调|车位|储藏室|门禁|独立供暖"},
    {37, "家私", "床|衣柜|沙发|餐桌椅|书桌|鞋柜|整体橱柜|电视柜"},
    {38, "附近医院", "市第一人民医院|市中医院|市儿童医院|市妇产科医院|区人民医院|社区卫生服务中心"},
    {39, "商场超市", "银泰百货|万象城|联华超市|物美超市|盒马鲜生|农贸市场|万达广场"},
    {40, "土地性质", "出让|划拨|集体土地"},
    {41, "房源状态", "有效|已售|已租|暂缓|无效"},
    {42, "出租房源状态", "待租|已租|暂缓|无效"},
    {43, "客户状态", "有效|已购|已租|暂缓|无效"},
    {44, "求租客户状态", "求租中|已租到|暂缓|无效"},
    {45, "输入法", ""},
    {46, "客户行业",
     "IT/互联网|金融|教育|医疗卫生|制造业|公务员/事业单位|个体经营|外贸|房地产|餐饮服务|"
     "自由职业|其他"},
    {47, "公告类型", "公司通知|业务公告|政策法规|培训安排|喜报"},
};

// House codes FY00001…, client codes KH00001…; the rental and tenant rules are
// kept for the options window.
QString RuleFor(int key) {
    switch (key) {
    case 11:
        return TDeliveredOptions::RuleText(QStringLiteral("FY"), 5, QString());
    case 12:
        return TDeliveredOptions::RuleText(QStringLiteral("CZ"), 5, QString());
    case 13:
        return TDeliveredOptions::RuleText(QStringLiteral("KH"), 5, QString());
    case 14:
        return TDeliveredOptions::RuleText(QStringLiteral("QZ"), 5, QString());
    default:
        return QString();
    }
}

QString ListText(const TOptionEntry& entry) {
    const QString rule = RuleFor(entry.key);
    if (!rule.isEmpty())
        return rule;
    return TDeliveredRows::Lines(
        QString::fromUtf8(entry.items).split(u'|', Qt::SkipEmptyParts));
}

} // namespace

QString TDeliveredOptions::RuleText(const QString& prefix, int digits, const QString& suffix) {
    return prefix + QStringLiteral("\r\n") + QString::number(digits) + QStringLiteral("\r\n") +
           suffix;
}

int TDeliveredOptions::Count() { return int(std::size(kEntries)); }

void TDeliveredOptions::Install(TDatabase& db) {
    for (const TOptionEntry& entry : kEntries) {
        if (TDeliveredRows::Exists(db, QStringLiteral("select 1 from options where [Key]=:Key"),
                                   {Param(QStringLiteral("Key"), entry.key)}))
            continue;
        TDeliveredRows::Insert(db, QStringLiteral("options"),
                               {Param(QStringLiteral("Key"), entry.key),
                                Param(QStringLiteral("Label"), QString::fromUtf8(entry.label)),
                                Param(QStringLiteral("List"), ListText(entry))});
    }
}
