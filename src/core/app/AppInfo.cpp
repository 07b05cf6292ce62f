#include "app/AppInfo.h"

#include "data/Configer.h"

#include <QFile>

namespace {

const QString kBuild = QStringLiteral("Build120709");

QString& CurrentBuildLabel() {
    static QString label = kBuild;
    return label;
}

} // namespace

QString TAppInfo::Title() {
    return QStringLiteral("朔禾房地产中介管理系统");
}

QString TAppInfo::Edition() {
    return QStringLiteral("个人版 2.53.120709");
}

QString TAppInfo::ProductCode() {
    return QStringLiteral("ORBEL");
}

QString TAppInfo::BuildLabel() {
    return CurrentBuildLabel();
}

void TAppInfo::LoadBuildLabel() {
    if (!QFile::exists(TConfiger::FileName())) {
        CurrentBuildLabel() = kBuild;
        return;
    }
    CurrentBuildLabel() = QStringLiteral("(%1%2)").arg(kBuild, TConfiger::PublishSuffix());
}
