#include "toolkit/zyPopupMenu.h"

QAction* TzyPopupMenu::AddItem(QMenu* menu, const QString& caption, bool atTop,
                               const std::function<void()>& handler) {
    auto* item = new QAction(caption, menu);
    if (handler)
        connect(item, &QAction::triggered, menu, [handler] { handler(); });
    const QList<QAction*> items = menu->actions();
    if (atTop && !items.isEmpty())
        menu->insertAction(items.first(), item);
    else
        menu->addAction(item);
    return item;
}

void TzyPopupMenu::ClearItems(QMenu* menu) {
    const QList<QAction*> items = menu->actions();
    for (QAction* item : items) {
        menu->removeAction(item);
        if (item->parent() == menu)
            delete item;
    }
    for (QMenu* sub : menu->findChildren<QMenu*>(Qt::FindDirectChildrenOnly))
        delete sub;
}
