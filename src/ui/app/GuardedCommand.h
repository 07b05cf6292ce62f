#pragma once

#include <functional>

// Runs a command of a window: an error it raises is shown with ShowInfo, a
// silent abort (a message already shown) ends it quietly.
void RunGuarded(const std::function<void()>& command);
