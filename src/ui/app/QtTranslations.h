#pragma once

// Loads Qt's own Chinese texts (standard buttons, context menus of edit boxes, file
// dialogs) from the installed translations; false when they are not installed.
bool InstallQtTranslations();
