#include "screens/FollowingGrid.h"

#include "app/GuardedCommand.h"
#include "data/DataSet.h"
#include "toolkit/GridLayout.h"
#include "toolkit/zyGridHooks.h"
#include "toolkit/zyPopupMenu.h"

#include <QAction>
#include <QMenu>

TFollowingGrid::TFollowingGrid(int layoutNumber, QWidget* parent) : TDetailGrid(parent) {
    SetTag(layoutNumber);
}

TFollowingGrid::~TFollowingGrid() = default;

void TFollowingGrid::Reload() {
    if (m_reload)
        RunGuarded(m_reload);
}

void TFollowingGrid::SetCommands(const QList<TCommand>& commands) {
    QMenu* menu = PopupMenuZy();
    TzyPopupMenu::ClearItems(menu);
    for (const auto& [caption, command] : commands)
        TzyPopupMenu::AddItem(menu, caption, false, [command] { RunGuarded(command); });
    menu->addSeparator();
    QAction* excel = TzyPopupMenu::AddItem(menu, QStringLiteral("导出到Excel"), false,
                                           [this] { RunGuarded([this] { SaveToExcelClick(); }); });
    QAction* html = TzyPopupMenu::AddItem(menu, QStringLiteral("导出到Html网页文档"), false,
                                          [this] { RunGuarded([this] { SaveToHtmlClick(); }); });
    // An export that is not installed is offered disabled, as in the grid's own menu.
    connect(menu, &QMenu::aboutToShow, this, [excel, html] {
        excel->setEnabled(bool(TzyGridHooks::SaveToExcel));
        html->setEnabled(bool(TzyGridHooks::SaveToHtml));
    });
}

void TFollowingGrid::OnDoubleClick(std::function<void()> command) {
    connect(this, &TzyGridcx::DblClick, this, [this, command] {
        if (HasRows())
            RunGuarded(command);
    });
}

void TFollowingGrid::LoadStoredLayout() {
    const QString text = TGridLayout::Load(Tag());
    if (!text.isEmpty())
        SetLayout(text);
}

bool TFollowingGrid::HasRows() const {
    return DataSet() && DataSet()->Active() && !DataSet()->IsEmpty();
}
