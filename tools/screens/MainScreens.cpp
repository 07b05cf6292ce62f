#include "MainScreens.h"

#include "app/mainFrm.h"
#include "data/Options.h"
#include "operators/Operator.h"
#include "records/RecordContext.h"
#include "screens/ClientCenterFra.h"
#include "screens/HouseCenterFra.h"
#include "toolkit/zyDBGrid.h"

#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTreeWidget>

namespace {

std::unique_ptr<TmainFrm> MainWindow() {
    CurrentOperator() = TOperator();
    CurrentOperator().LoadOperator(QStringLiteral("sa"));
    SetCurrentLoginId(QStringLiteral("sa"));
    ProgramOptions().Refresh();
    auto main = std::make_unique<TmainFrm>();
    main->BuildDynamicMenus();
    main->StatusPanel(1)->setText(CurrentOperator().LoginId);
    main->resize(1366, 768);
    return main;
}

// The list `view` in front with detail page `node`, on a row that has details.
TScreen ListPage(int view, int node) {
    std::unique_ptr<TmainFrm> main = MainWindow();
    main->ShowView(view);
    TfravListor* list = main->ActiveListor();
    list->DBGrid1()->DataSet()->SetCurrentRow(
        std::min(2, list->DBGrid1()->DataSet()->RecordCount() - 1));
    list->SelectDetailNode(node);
    return TScreen{std::move(main), {}};
}

TScreen MenuShot(const QString& title) {
    std::unique_ptr<TmainFrm> main = MainWindow();
    TmainFrm* window = main.get();
    return TScreen{std::move(main), [window, title]() -> QWidget* {
                       QMenu* menu = window->Menu(title);
                       emit menu->aboutToShow();
                       menu->popup(window->mapToGlobal(QPoint(20, 40)));
                       return menu;
                   }};
}

} // namespace

void RegisterMainScreens(TScreenRegistry& registry) {
    const QStringList houseNodes{"details",          "images", "deal_terms", "owner",
                                 "matching_clients", "visits", "deals",      "changes"};
    for (int node = 0; node < houseNodes.size(); ++node)
        registry.Add(QStringLiteral("main_houses_") + houseNodes[node],
                     [node] { return ListPage(0, node); });
    const QStringList clientNodes{"demand", "contact", "visits", "matching_houses", "changes"};
    for (int node = 0; node < clientNodes.size(); ++node)
        registry.Add(QStringLiteral("main_clients_") + clientNodes[node],
                     [node] { return ListPage(1, node); });
    const QStringList menus{"文件(&F)", "登记(&B)", "操作(&O)", "视图(&S)",
                            "输出(&P)", "工具(&T)", "帮助(&H)"};
    const QStringList names{"file", "register", "operate", "view", "output", "tools", "help"};
    for (int i = 0; i < menus.size(); ++i)
        registry.Add(QStringLiteral("main_menu_") + names[i],
                     [title = menus[i]] { return MenuShot(title); });
}
