#pragma once

#include <QMenu>

#include <functional>

// The popup menus of the lists, with two helpers for menus built at run time.
class TzyPopupMenu : public QMenu {
    Q_OBJECT
  public:
    using QMenu::QMenu;

    // Creates an item with that caption and click handler, first in the menu when
    // `atTop`, otherwise last, and returns it. The menu owns the item.
    static QAction* AddItem(QMenu* menu, const QString& caption, bool atTop,
                            const std::function<void()>& handler);
    // Deletes every item of the menu, with the submenus the menu owns.
    static void ClearItems(QMenu* menu);
};
