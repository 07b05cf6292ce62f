#include "toolkit/EnterMovesFocus.h"

#include <QKeyEvent>
#include <QWidget>

bool EnterMovesFocus(QWidget* control, QKeyEvent* event) {
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter)
        return false;
    QWidget* window = control->window();
    if (!window || window == control)
        return false;
    const bool forward = !event->modifiers().testFlag(Qt::ShiftModifier);
    QWidget* target = forward ? control->nextInFocusChain() : control->previousInFocusChain();
    while (target && target != control &&
           !(target->window() == window && target->isVisible() && target->isEnabled() &&
             (target->focusPolicy() & Qt::TabFocus) && !target->focusProxy()))
        target = forward ? target->nextInFocusChain() : target->previousInFocusChain();
    if (target && target != control)
        target->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    event->accept();
    return true;
}
