#include "toolkit/zyComboBox.h"

#include "toolkit/EnterMovesFocus.h"
#include "toolkit/FocusColor.h"

#include <QKeyEvent>
#include <QLineEdit>

TzyComboBox::TzyComboBox(QWidget* parent) : QComboBox(parent) {
    // Enter never adds the typed text to the list; it moves the focus instead.
    setInsertPolicy(QComboBox::NoInsert);
}

void TzyComboBox::TurnOffCompletion() {
    if (lineEdit() && lineEdit()->completer())
        setCompleter(nullptr);
}

bool TzyComboBox::event(QEvent* event) {
    // An editable box gets a new line edit, with a completer, whenever it becomes
    // editable; take the completer away before the operator can type.
    if (event->type() == QEvent::ChildAdded || event->type() == QEvent::Polish)
        TurnOffCompletion();
    return QComboBox::event(event);
}

void TzyComboBox::keyPressEvent(QKeyEvent* event) {
    if (EnterMovesFocus(this, event))
        return;
    if (event->key() == Qt::Key_Delete && !isEditable()) {
        setCurrentIndex(-1);
        event->accept();
        return;
    }
    QComboBox::keyPressEvent(event);
}

void TzyComboBox::focusInEvent(QFocusEvent* event) {
    TurnOffCompletion();
    QComboBox::focusInEvent(event);
    SetBackground(this, kColorOnEnter);
}

void TzyComboBox::focusOutEvent(QFocusEvent* event) {
    QComboBox::focusOutEvent(event);
    SetBackground(this, Qt::white);
}
