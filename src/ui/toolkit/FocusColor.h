#pragma once

#include <QColor>

class QWidget;

// Colours of the input controls while they hold the focus.
inline const QColor kColorOnEnter{0, 255, 255};    // aqua
inline const QColor kColorOnReadOnly{255, 255, 0}; // yellow

// The background a control paints its content on (the base of edit fields, the face
// of a drop-down button).
QColor BackgroundOf(const QWidget* control);
void SetBackground(QWidget* control, const QColor& color);
