#include "app/FormPlacement.h"

QPoint PlaceAtPointer(const QSize& window, const QPoint& pointer, const QRect& screen) {
    const QPoint p = pointer - screen.topLeft();
    int left = p.x() - window.width() / 2;
    if (left < 0)
        left = 20;
    if (left > screen.width() - window.width() - 20)
        left = screen.width() - window.width() - 20;
    int top = p.y() - window.height() / 2;
    if (top < 0)
        top = 20;
    if (top + window.height() > screen.height() - 50)
        top = screen.height() - window.height() - 50;
    return screen.topLeft() + QPoint(left, top);
}
