#pragma once

#include "ScreenRegistry.h"

// The login, password, operator and company dialogs, and the reminder and
// recycle box windows, over the demonstration database.
TScreen LoginScreen();
TScreen PasswordChangerScreen();
TScreen OperatorsScreen();
TScreen OperatorEditorScreen();
TScreen CompanyEditScreen();
TScreen CompanyReadOnlyScreen();
TScreen RemindersScreen();
TScreen RecycleBoxScreen();
