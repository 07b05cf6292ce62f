#pragma once

#include "ScreenRegistry.h"

// The main window on the demonstration agency: the house list and the client
// list with each of their detail pages, and its menus.
void RegisterMainScreens(TScreenRegistry& registry);
