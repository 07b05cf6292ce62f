#include "records/delivered/DemoPeople.h"

#include "records/delivered/DemoRandom.h"

namespace {

const char* const kSurnames = "王|李|张|刘|陈|杨|黄|赵|吴|周|徐|孙|马|朱|胡|郭|何|林|高|罗|郑|"
                              "梁|谢|宋|唐|许|韩|冯|邓|曹|彭|曾|沈|叶|潘|蒋|蔡|余|杜|丁|钱|俞";
const char* const kMaleNames = "伟|强|磊|军|勇|杰|涛|斌|超|明|刚|平|辉|鹏|华|飞|鑫|波|宁|浩|"
                               "志强|建华|国平|晓东|俊杰|子豪|宇航|海涛|文博|立新";
const char* const kFemaleNames = "芳|娜|敏|静|丽|艳|娟|霞|燕|玲|婷|雪|琳|颖|倩|洁|"
                                 "秀英|丽华|晓红|雅琴|佳怡|梦瑶|思雨|欣怡|婉清|晓燕";

} // namespace

QString TDemoPeople::OwnerName(TDemoRandom& random) {
    return random.Pick(kSurnames) +
           (random.Chance(55) ? QStringLiteral("先生") : QStringLiteral("女士"));
}

QString TDemoPeople::FullName(TDemoRandom& random, bool male) {
    return random.Pick(kSurnames) + random.Pick(male ? kMaleNames : kFemaleNames);
}

QString TDemoPeople::OwnerTel(int n) { return QStringLiteral("1390000%1").arg(n, 4, 10, QLatin1Char('0')); }

QString TDemoPeople::ClientTel(int n) { return QStringLiteral("1370000%1").arg(n, 4, 10, QLatin1Char('0')); }

QString TDemoPeople::Broker(TDemoRandom& random) {
    return random.Chance(50) ? QStringLiteral("zhangmin") : QStringLiteral("liqiang");
}
