#pragma once

#include "ScreenRegistry.h"

// The photo screens over a demonstration house with a few generated pictures.
TScreen ImageManagerScreen();
TScreen ImageManagerMenuScreen();
TScreen ImageDialogScreen();
TScreen HouseImagePageScreen();
