#pragma once

#include "ScreenRegistry.h"

// The house and client editors, new and on a demonstration record, and the
// multiple-choice pickers of the house editor.
void RegisterEditorScreens(TScreenRegistry& registry);
