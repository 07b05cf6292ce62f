#pragma once

#include <QString>

class QLineEdit;

// A password box of the operator dialogs: its text shows as asterisks.
QLineEdit* NewPasswordBox(const QString& objectName);
