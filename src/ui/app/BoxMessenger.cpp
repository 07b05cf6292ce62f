#include "app/BoxMessenger.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

TMsgResult TBoxMessenger::Message(TMsgKind kind, const QString& text, TMsgButtons buttons) {
    QMessageBox::Icon icon = QMessageBox::Information;
    switch (kind) {
    case TMsgKind::Warning:
        icon = QMessageBox::Warning;
        break;
    case TMsgKind::Question:
        icon = QMessageBox::Question;
        break;
    case TMsgKind::Error:
        icon = QMessageBox::Critical;
        break;
    default:
        break;
    }
    QMessageBox::StandardButtons set = QMessageBox::Ok;
    if (buttons == TMsgButtons::OkCancel)
        set = QMessageBox::Ok | QMessageBox::Cancel;
    else if (buttons == TMsgButtons::YesNo)
        set = QMessageBox::Yes | QMessageBox::No;
    else if (buttons == TMsgButtons::YesNoCancel)
        set = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    QMessageBox box(icon, QApplication::applicationDisplayName(), text, set,
                    QApplication::activeWindow());
    switch (box.exec()) {
    case QMessageBox::Ok:
        return TMsgResult::Ok;
    case QMessageBox::Yes:
        return TMsgResult::Yes;
    case QMessageBox::No:
        return TMsgResult::No;
    default:
        return TMsgResult::Cancel;
    }
}

bool TBoxMessenger::InputQuery(const QString& caption, const QString& prompt, QString& value) {
    bool ok = false;
    const QString text = QInputDialog::getText(QApplication::activeWindow(), caption, prompt,
                                               QLineEdit::Normal, value, &ok);
    if (ok)
        value = text;
    return ok;
}
