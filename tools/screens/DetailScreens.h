#pragma once

#include "ScreenRegistry.h"

// The detail pages and grids under the house and client lists, each on a
// demonstration house or client that has follow-ups, deals and changes, in a
// window of the detail panel's size.
void RegisterDetailScreens(TScreenRegistry& registry);
