#include "app/Startup.h"

#include "app/AppInfo.h"
#include "app/Error.h"
#include "app/Messenger.h"
#include "app/QtTranslations.h"
#include "app/SplashFrm.h"
#include "app/mainFrm.h"
#include "data/Company.h"
#include "data/ConfigEditor.h"
#include "data/Configer.h"
#include "data/DBConfigFrm.h"
#include "data/Database.h"
#include "data/DatabaseConnector.h"
#include "data/KeyValue2.h"
#include "data/Options.h"
#include "operations/HintCenterFrm.h"
#include "operators/Operator.h"

#include <QAction>

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
    // A run that only has to prove that the program starts and connects ends here.
    if (qEnvironmentVariable("ORBEL_EXIT_AFTER_CONNECT") == QLatin1String("1")) {
        FirstRunCheck();
        return 0;
    }
    TmainFrm main;
    FirstRunCheck();
    m_splash.reset();
    if (!main.Login()) {
        main.close(); // its close handling still runs: backup, disconnect
        return 0;
    }
    ShowMainWindow(main);
    return QApplication::exec();
}

// After a successful login: the dynamic menus, the window maximised, then the
// prompts an operator sees at the start of the day.
void TStartup::ShowMainWindow(TmainFrm& main) {
    main.BuildDynamicMenus();
    main.showMaximized();
    if (CurrentOperator().HasRight(10000) && !CurrentCompany().Filled())
        main.Command(QStringLiteral("公司信息"))->trigger();
    QAction* tip = main.Command(QStringLiteral("每日一贴"));
    if (TKeyValue2().DailyTipPrompt() && tip->isEnabled())
        tip->trigger();
    ShowDueReminders(&main);
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
    ProgramOptions().Refresh();
}

// The first-run dialog is shown at most once per configuration file: the flag is
// written after the first start that got this far.
void TStartup::FirstRunCheck() {
    // UPGRADE: while TConfiger::Upgraded() is false, the first-run dialog of the
    // database upgrade is shown here; it arrives with the upgrade.
    TConfiger::SetUpgraded(true);
}
