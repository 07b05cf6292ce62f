#pragma once

class QKeyEvent;
class QWidget;

// Enter in a control of a window moves the focus to the next control in tab order,
// or to the previous one with Shift. True when the key was Enter and was used up,
// so it never reaches the window's default button.
bool EnterMovesFocus(QWidget* control, QKeyEvent* event);
