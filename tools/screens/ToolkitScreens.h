#pragma once

#include "ScreenRegistry.h"

// The data grids over the demonstration houses and clients.
TScreen HouseGridScreen();
TScreen HouseGridMenuScreen();
TScreen ClientGridcxScreen();
