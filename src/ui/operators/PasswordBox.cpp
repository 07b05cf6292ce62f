#include "operators/PasswordBox.h"

#include <QLineEdit>

QLineEdit* NewPasswordBox(const QString& objectName) {
    auto* box = new QLineEdit;
    box->setObjectName(objectName);
    box->setEchoMode(QLineEdit::Password);
    box->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 42; }"));
    return box;
}
