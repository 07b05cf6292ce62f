#include "app/Startup.h"

#include "app/AppInfo.h"
#include "app/Error.h"
#include "app/Messenger.h"
#include "app/QtTranslations.h"
#include "app/SplashFrm.h"
#include "data/Company.h"
#include "data/ConfigEditor.h"
#include "data/Configer.h"
#include "data/DBConfigFrm.h"
#include "data/Database.h"
#include "data/DatabaseConnector.h"

#include <QApplication>
#include <QLocale>

TStartup::TStartup(TEditorFactory editorFactory) : m_editorFactory(std::move(editorFactory)) {
    if (!m_editorFactory)
        m_editorFactory = [] { return std::make_unique<TDBConfigFrm>(); };
}

TStartup::~TStartup() = default;

void TStartup::InitApplication() {
    QApplication::setApplicationName(QStringLiteral("orbel"));
    QApplication::setApplicationDisplayName(TAppInfo::Title());
    const QLocale chinese(QLocale::Chinese, QLocale::China);
    QLocale::setDefault(chinese);
    static bool translated = false;
    if (!translated)
        translated = InstallQtTranslations();
    QApplication::setFont(QFont(QStringLiteral("Noto Sans CJK SC"), 9));
}

int TStartup::Run() {
    InitApplication();
    QApplication::processEvents();
    TAppInfo::LoadBuildLabel();
    ShowSplash();
    Progress(QStringLiteral("正在连接数据库,请稍候..."));
    if (!ConnectDatabase()) {
        m_splash.reset();
        return 0;
    }
    int code = 0;
    try {
        code = RunConnected();
    } catch (const EOrbelError& e) {
        // Nothing after the connection can go on without what failed to load.
        if (!e.Message().isEmpty())
            ShowInfo(e.Message());
        code = 1;
    }
    m_splash.reset();
    DbConnection().Close();
    return code;
}

int TStartup::RunConnected() {
    Progress(QStringLiteral("连接成功,正在创建公共对象..."));
    CreateCommonObjects();
    Progress(QStringLiteral("正在创建程序,请稍候..."));
    FirstRunCheck();

    // The login and the main window follow here. Until they exist the splash
    // stays up with its last text until it is closed, unless the run only has
    // to prove that the program can start and connect.
    if (qEnvironmentVariable("ORBEL_EXIT_AFTER_CONNECT") == QLatin1String("1"))
        return 0;
    return QApplication::exec();
}

void TStartup::ShowSplash() {
    m_splash = std::make_unique<TSplashFrm>();
    m_splash->show();
    m_splash->repaint();
}

void TStartup::Progress(const QString& message) {
    if (m_splash)
        m_splash->ShowMessage(message);
}

bool TStartup::ConnectDatabase() {
    const std::unique_ptr<TConfigEditor> editor = m_editorFactory();
    return TDatabaseConnector(DbConnection()).Connect(*editor);
}

void TStartup::CreateCommonObjects() {
    CurrentCompany().Load();
}

// The first-run dialog is shown at most once per configuration file: the flag is
// written after the first start that got this far.
void TStartup::FirstRunCheck() {
    // UPGRADE: while TConfiger::Upgraded() is false, the first-run dialog of the
    // database upgrade is shown here; it arrives with the upgrade.
    TConfiger::SetUpgraded(true);
}
