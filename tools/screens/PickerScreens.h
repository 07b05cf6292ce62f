#pragma once

#include "ScreenRegistry.h"

// The pickers and small dialogs of the record screens over the demonstration
// agency.
void RegisterPickerScreens(TScreenRegistry& registry);
