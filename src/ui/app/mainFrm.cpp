#include "app/mainFrm.h"

#include "app/DesktopTool.h"
#include "app/Error.h"
#include "app/MainHooks.h"
#include "app/Messenger.h"
#include "app/ProgramFolder.h"
#include "data/KeyValue.h"
#include "operations/HintCenterFrm.h"
#include "operations/RecycleboxFrm.h"
#include "operations/ReportPrinter.h"
#include "operators/CompanyInfoFrm.h"
#include "operators/LoginFrm.h"
#include "operators/Operator.h"
#include "operators/OperatorsFrm.h"
#include "operators/PasswordChangerFrm.h"
#include "screens/ClientCenterFra.h"
#include "screens/HouseCenterFra.h"
#include "toolkit/zyDBGrid.h"
#include "toolkit/zyGridHooks.h"

#include <QAction>
#include <QActionGroup>
#include <QDesktopServices>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStackedLayout>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>

namespace {

void RunQuietly(const std::function<void()>& command) {
    try {
        command();
    } catch (const EAbort&) {
    }
}

void OpenProgramFile(const QString& name) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(ProgramFile(name)));
}

} // namespace

TmainFrm::TmainFrm(QWidget* parent) : TCustomMainFrm(parent) {
    new QStackedLayout(ClientPanel1());
    CreateMenus();
    CreateToolBars();
    ShowView(0);
}

TmainFrm::~TmainFrm() {
    // The lists go before the managers they show.
    delete m_houseList;
    delete m_clientList;
}

QMenu* TmainFrm::AddMenu(const QString& title) {
    QMenu* menu = MenuBar()->addMenu(title);
    connect(menu, &QMenu::hovered, this,
            [this](QAction* action) { StatusPanel(0)->setText(action->statusTip()); });
    m_menus << menu;
    return menu;
}

QAction* TmainFrm::AddAction(QMenu* menu, const QString& caption, std::function<void()> command,
                             const QKeySequence& key) {
    auto* action = new QAction(caption, this);
    action->setShortcut(key);
    addAction(action);
    connect(action, &QAction::triggered, this,
            [command = std::move(command)] { RunQuietly(command); });
    if (menu)
        menu->addAction(action);
    return action;
}

QAction* TmainFrm::AddHook(QMenu* menu, const QString& caption,
                           const std::function<void(QWidget*)>& hook, int right) {
    QAction* action = AddAction(menu, caption, [this, hook, right] {
        if (right >= 0)
            CurrentOperator().RequireRight(right);
        hook(this);
    });
    action->setEnabled(bool(hook));
    return action;
}

void TmainFrm::CreateMenus() {
    CreateFileMenu();
    CreateRegisterMenu();
    m_operateMenu = AddMenu(QStringLiteral("操作(&O)"));
    m_operateMenu->addSeparator();
    connect(m_operateMenu, &QMenu::aboutToShow, this, &TmainFrm::MirrorListCommands);
    CreateViewMenu();
    CreateOutputMenu();
    CreateToolsMenus();
    CreateHelpMenu();
}

void TmainFrm::CreateFileMenu() {
    QMenu* file = AddMenu(QStringLiteral("文件(&F)"));
    AddAction(file, QStringLiteral("公司信息"), [this] {
        CurrentOperator().RequireRight(10000);
        ShowCompany(this, true);
    });
    AddAction(file, QStringLiteral("操作员与权限"), [this] {
        CurrentOperator().RequireRight(100001);
        ShowOperators(this, RightsList());
    });
    AddHook(file, QStringLiteral("选项"), TMainHooks::Options, 6);
    AddHook(file, QStringLiteral("清理数据..."), TMainHooks::ClearData, 5);
    const TMainHooks::TWindow backup = TMainHooks::Backup;
    AddAction(file, QStringLiteral("自动备份与恢复"), [this, backup] {
        CurrentOperator().RequireSa();
        backup(this);
    })->setEnabled(bool(backup));
    file->addSeparator();
    AddAction(file, QStringLiteral("更改我的登陆密码"), [this] { ChangeMyPassword(this); });
    AddAction(file, QStringLiteral("重新登陆"), [this] { Login(); });
    file->addSeparator();
    AddAction(file, QStringLiteral("退出系统"), [this] { close(); });
}

void TmainFrm::CreateRegisterMenu() {
    QMenu* reg = AddMenu(QStringLiteral("登记(&B)"));
    AddAction(reg, QStringLiteral("登记房源"), [this] { m_houses.AddClick(); });
    auto import = [this](const TMainHooks::TWizard& wizard, auto& list) {
        return [this, wizard, &list] {
            CurrentOperator().RequireRight(23);
            if (wizard(this))
                list.Refresh();
        };
    };
    m_importHouses = AddAction(reg, QStringLiteral("从 Excel 导入房源..."),
                               import(TMainHooks::ImportHouses, m_houses));
    m_importHouses->setEnabled(bool(TMainHooks::ImportHouses));
    reg->addSeparator();
    AddAction(reg, QStringLiteral("登记客户"), [this] { m_clients.AddClick(); });
    m_importClients = AddAction(reg, QStringLiteral("从 Excel 导入客户..."),
                                import(TMainHooks::ImportClients, m_clients));
    m_importClients->setEnabled(bool(TMainHooks::ImportClients));
}

void TmainFrm::CreateViewMenu() {
    QMenu* view = AddMenu(QStringLiteral("视图(&S)"));
    m_views = new QActionGroup(this);
    m_houseView = AddAction(
        view, QStringLiteral("房源管理"), [this] { ShowView(0); }, QKeySequence(Qt::Key_F5));
    m_clientView = AddAction(
        view, QStringLiteral("客户管理"), [this] { ShowView(1); }, QKeySequence(Qt::Key_F6));
    for (QAction* a : {m_houseView, m_clientView}) {
        a->setCheckable(true);
        m_views->addAction(a);
    }
    view->addSeparator();
    AddAction(view, QStringLiteral("回收站"), [this] {
        CurrentOperator().RequireRight(20);
        ShowRecycleBox(this);
    });
    AddAction(view, QStringLiteral("事务提醒"), [this] { ::ShowReminders(this); });
    AddHook(view, QStringLiteral("房源及客户统计"), TMainHooks::Statistics, 29);
    view->addSeparator();
    auto toggle = [this, view](const QString& caption) {
        QAction* action = AddAction(view, caption, [this] { ShowPanels(); });
        action->setCheckable(true);
        action->setChecked(true);
        return action;
    };
    m_toolBarShown = toggle(QStringLiteral("工具栏"));
    m_searchShown = toggle(QStringLiteral("查找面板"));
    m_detailShown = toggle(QStringLiteral("详情面板"));
    m_statusShown = toggle(QStringLiteral("状态栏"));
    connect(view, &QMenu::aboutToShow, this, [this] {
        m_searchShown->setChecked(m_active->TopPanel1()->isVisibleTo(m_active));
        m_detailShown->setChecked(m_active->BtmPanel1()->isVisibleTo(m_active));
    });
}

// Each toggle shows its part exactly when it is checked; the panels belong to
// the list in front only.
void TmainFrm::ShowPanels() {
    ToolBar1()->setVisible(m_toolBarShown->isChecked());
    StatusBar1()->setVisible(m_statusShown->isChecked());
    m_active->TopPanel1()->setVisible(m_searchShown->isChecked());
    m_active->BtmPanel1()->setVisible(m_detailShown->isChecked());
}

void TmainFrm::CreateOutputMenu() {
    m_outputMenu = AddMenu(QStringLiteral("输出(&P)"));
    AddAction(m_outputMenu, QStringLiteral("导出..."), [this] {
        CurrentOperator().RequireRight(10004);
        m_active->ExportRecords();
    })->setEnabled(bool(TfravListor::ExportDialog));
    m_outputMenu->addSeparator();
    AddAction(m_outputMenu, QStringLiteral("打印设计..."), [this] {
        PrintDesign();
    })->setEnabled(HasReportPrinter());
    m_outputMenu->addSeparator();
    connect(m_outputMenu, &QMenu::aboutToShow, this, &TmainFrm::ListOutputReports);
}

void TmainFrm::PrintDesign() {
    if (m_houseView->isChecked())
        m_houses.PrintDesign();
    else if (m_clientView->isChecked())
        m_clients.PrintDesign();
}

// The report templates of the list in front, rebuilt each time the menu opens.
void TmainFrm::ListOutputReports() {
    const QList<QAction*> items = m_outputMenu->actions();
    for (int i = 4; i < items.size(); ++i) {
        m_outputMenu->removeAction(items[i]);
        delete items[i];
    }
    const bool houses = m_houseView->isChecked();
    if (!houses && !m_clientView->isChecked())
        return;
    TRecordSet& reports = ScratchSet();
    reports.Open(QStringLiteral("select Id, Title from report where GrpId=:G order by Id"),
                 {Param("G", houses ? 0 : 2)});
    for (TDataSet* data = reports.DataSet(); !data->Eof(); data->Next()) {
        const int id = data->Field(0)->AsInteger();
        QAction* item = AddAction(m_outputMenu, data->Field(1)->AsString(), [this, houses, id] {
            if (houses)
                m_houses.PrintReport(id);
            else
                m_clients.PrintReport(id);
        });
        item->setData(id);
        item->setEnabled(HasReportPrinter());
    }
}

void TmainFrm::CreateToolsMenus() {
    m_docsMenu = AddMenu(QStringLiteral("文档(&D)"));
    const TMainHooks::TWindow documents = TMainHooks::Documents;
    AddAction(
        m_docsMenu, QStringLiteral("文档管理..."),
        [this, documents] {
            CurrentOperator().RequireRight(12);
            documents(this);
            RebuildStoredMenu(m_docsMenu, 2, QStringLiteral("doc"), &TCustomMainFrm::OpenDoc);
        },
        QKeySequence(QStringLiteral("Ctrl+Alt+D")))
        ->setEnabled(bool(documents));
    m_docsMenu->addSeparator();

    m_toolsMenu = AddMenu(QStringLiteral("工具(&T)"));
    AddAction(m_toolsMenu, QStringLiteral("记事本"),
              [] { StartDesktopTool(TDesktopTool::TextEditor); });
    AddAction(m_toolsMenu, QStringLiteral("计算器"),
              [] { StartDesktopTool(TDesktopTool::Calculator); });
    AddHook(m_toolsMenu, QStringLiteral("购房计算器"), TMainHooks::Calculator)
        ->setShortcut(QKeySequence(Qt::Key_F2));
    m_toolsMenu->addSeparator();
    const TMainHooks::TWindow setup = TMainHooks::ToolsSetup;
    AddAction(m_toolsMenu, QStringLiteral("菜单设置..."), [this, setup] {
        CurrentOperator().RequireRight(10007);
        setup(this);
        RebuildStoredMenu(m_toolsMenu, 6, QStringLiteral("link"), &TCustomMainFrm::RunLink);
    })->setEnabled(bool(setup));
    m_toolsMenu->addSeparator();
}

void TmainFrm::CreateHelpMenu() {
    m_helpMenu = AddMenu(QStringLiteral("帮助(&H)"));
    AddAction(
        m_helpMenu, QStringLiteral("帮助文件"), [this] { ShowHelp(QStringLiteral("main")); },
        QKeySequence(QStringLiteral("Ctrl+F1")));
    AddHook(m_helpMenu, QStringLiteral("每日一贴"), TMainHooks::DailyTip);
    AddAction(m_helpMenu, QStringLiteral("常见问题"), [this] { ShowHelp(QStringLiteral("faq")); });
    m_helpMenu->addSeparator();
    AddAction(m_helpMenu, QStringLiteral("自述文件"),
              [] { OpenProgramFile(QStringLiteral("readme.txt")); });
    AddAction(m_helpMenu, QStringLiteral("最新功能"),
              [] { OpenProgramFile(QStringLiteral("whatsnew.txt")); });
    AddAction(m_helpMenu, QStringLiteral("浏览作者的网站"), [] {
        QDesktopServices::openUrl(QUrl(QStringLiteral("https://orbel.example.org/")));
    });
    AddHook(m_helpMenu, QStringLiteral("用户反馈表"), TMainHooks::Feedback);
    m_helpMenu->addSeparator();
    AddHook(m_helpMenu, QStringLiteral("关于..."), TMainHooks::About);
}

void TmainFrm::CreateToolBars() {
    QStyle* s = style();
    auto button = [this](QAction* action, QStyle::StandardPixmap icon) {
        action->setIcon(style()->standardIcon(icon));
        ToolBar1()->addAction(action);
    };
    button(AddAction(nullptr, QStringLiteral("添加"), [this] { m_active->AddRecord(); }),
           QStyle::SP_FileDialogNewFolder);
    button(AddAction(nullptr, QStringLiteral("修改"), [this] { m_active->EditRecord(); }),
           QStyle::SP_FileDialogDetailedView);
    button(AddAction(nullptr, QStringLiteral("删除"), [this] { m_active->DropRecord(); }),
           QStyle::SP_TrashIcon);
    button(AddAction(nullptr, QStringLiteral("查找"), [this] { m_active->FindRecords(); }),
           QStyle::SP_FileDialogContentsView);
    ToolBar1()->addSeparator();
    m_import = AddAction(nullptr, QStringLiteral("导入"), [this] { ImportCommand(); });
    button(m_import, QStyle::SP_ArrowDown);

    auto* output = new QMenu(this);
    auto gridExport = [this](void (TzyGridBase::*command)()) {
        return [this, command] { (m_active->FocusedGrid()->*command)(); };
    };
    AddAction(output, QStringLiteral("Excel 文档"), gridExport(&TzyGridBase::SaveToExcelClick))
        ->setEnabled(bool(TzyGridHooks::SaveToExcel));
    AddAction(output, QStringLiteral("Html 网页文件"), gridExport(&TzyGridBase::SaveToHtmlClick))
        ->setEnabled(bool(TzyGridHooks::SaveToHtml));
    auto* outputButton = new QToolButton(ToolBar1());
    outputButton->setText(QStringLiteral("输出"));
    outputButton->setIcon(s->standardIcon(QStyle::SP_DialogSaveButton));
    outputButton->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    outputButton->setPopupMode(QToolButton::InstantPopup);
    outputButton->setMenu(output);
    ToolBar1()->addWidget(outputButton);
    ToolBar1()->addSeparator();
    button(Command(QStringLiteral("选项")), QStyle::SP_FileDialogInfoView);
    button(AddAction(nullptr, QStringLiteral("帮助"), [this] { ShowHelp(m_active->objectName()); }),
           QStyle::SP_DialogHelpButton);
    button(AddAction(nullptr, QStringLiteral("退出"), [this] { close(); }),
           QStyle::SP_DialogCloseButton);

    auto viewButton = [this](QAction* action, QStyle::StandardPixmap icon) {
        action->setIcon(style()->standardIcon(icon));
        ToolBar2()->addAction(action);
    };
    viewButton(m_houseView, QStyle::SP_DirHomeIcon);
    viewButton(m_clientView, QStyle::SP_DirOpenIcon);
    viewButton(Command(QStringLiteral("回收站")), QStyle::SP_TrashIcon);
    viewButton(Command(QStringLiteral("事务提醒")), QStyle::SP_MessageBoxInformation);
}

void TmainFrm::ImportCommand() {
    QAction* import = m_active == m_houseList ? m_importHouses : m_importClients;
    if (import->isEnabled())
        import->trigger();
}

void TmainFrm::ShowView(int n) {
    auto* stack = static_cast<QStackedLayout*>(ClientPanel1()->layout());
    if (!m_houseList) {
        m_houseList = new THouseCenterFra(m_houses, ClientPanel1());
        m_houseList->SetOpenClientEvent([this](int id) { OpenClient(id); });
        stack->addWidget(m_houseList);
    }
    if (!m_clientList) {
        m_clientList = new TClientCenterFra(m_clients, ClientPanel1());
        m_clientList->SetOpenHouseEvent([this](int id) { OpenHouse(id); });
        stack->addWidget(m_clientList);
    }
    m_active = n == 0 ? static_cast<TfravListor*>(m_houseList) : m_clientList;
    stack->setCurrentWidget(m_active);
    m_import->setEnabled((n == 0 ? m_importHouses : m_importClients)->isEnabled());
    (n == 0 ? m_houseView : m_clientView)->setChecked(true);
    m_active->update();
}

void TmainFrm::OpenHouse(int id) {
    m_houses.OpenById(id);
    ShowView(0);
}

void TmainFrm::OpenClient(int id) {
    m_clients.OpenById(id);
    ShowView(1);
}

// The list's own row commands, the same actions, under the first separator.
void TmainFrm::MirrorListCommands() {
    const QList<QAction*> items = m_operateMenu->actions();
    for (int i = 1; i < items.size(); ++i)
        m_operateMenu->removeAction(items[i]);
    m_operateMenu->addActions(m_active->pmDBGrid1()->actions());
}

bool TmainFrm::Login() {
    const bool ok = ExecuteLogin(this);
    StatusPanel(1)->setText(CurrentOperator().LoginId);
    m_helpMenu->setEnabled(CurrentOperator().HasRight(30));
    if (ok)
        SetLoginTime(QDateTime::currentDateTime());
    return ok;
}

void TmainFrm::BuildDynamicMenus() {
    RebuildStoredMenu(m_toolsMenu, 6, QStringLiteral("link"), &TCustomMainFrm::RunLink);
    RebuildStoredMenu(m_docsMenu, 2, QStringLiteral("doc"), &TCustomMainFrm::OpenDoc);
    if (!TKeyValue().GetFlag(TKeyValue::kLeftAlignLists, true))
        return;
    for (TDataSet* data : {m_houses.DataSet(), m_clients.DataSet()}) {
        for (int i = 0; i < data->FieldCount(); ++i)
            data->Field(i)->SetAlignment(TFieldAlignment::Left);
    }
}

QAction* TmainFrm::Command(const QString& caption) const {
    for (QAction* action : actions()) {
        if (action->text() == caption)
            return action;
    }
    return nullptr;
}

QMenu* TmainFrm::Menu(const QString& title) const {
    for (QMenu* menu : m_menus) {
        if (menu->title() == title)
            return menu;
    }
    return nullptr;
}

QList<QPair<QString, int>> TmainFrm::RightsList() {
    return {{QStringLiteral("登记权限"), 0},
            {QStringLiteral("导入权限"), 23},
            {QStringLiteral("指定经纪人"), 1},
            {QStringLiteral("房源联系人信息查阅权限"), 24},
            {QStringLiteral("房源保密地址查阅权限"), 25},
            {QStringLiteral("客户联系信息查阅权限"), 26},
            {QStringLiteral("回收站管理权限"), 20},
            {QStringLiteral("超级业务管理权限"), 4},
            {QStringLiteral("房源及客户统计权限"), 29},
            {QStringLiteral("选项设定权限"), 6},
            {QStringLiteral("文档管理权限"), 12},
            {QStringLiteral("帮助菜单"), 30}};
}
