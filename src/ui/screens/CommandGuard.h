#pragma once

#include <functional>

// Runs a command of a page (a click on a text, a menu item) and shows the error
// it raises in the information box; a silent stop shows nothing. Errors must not
// leave a Qt event handler.
void RunGuarded(const std::function<void()>& command);
