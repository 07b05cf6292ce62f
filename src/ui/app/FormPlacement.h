#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Where a window goes when it is shown: its centre on the mouse pointer, then kept
// on the screen. Left stays between 20 and the screen width minus the width minus
// 20; top is at least 20 and the bottom stays 50 pixels above the screen's bottom,
// so a window taller than the screen minus 50 gets a negative top. Coordinates are
// measured from the screen's own top-left corner.
QPoint PlaceAtPointer(const QSize& window, const QPoint& pointer, const QRect& screen);
