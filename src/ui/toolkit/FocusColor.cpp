#include "toolkit/FocusColor.h"

#include <QPalette>
#include <QWidget>

QColor BackgroundOf(const QWidget* control) {
    return control->palette().color(QPalette::Base);
}

void SetBackground(QWidget* control, const QColor& color) {
    QPalette palette = control->palette();
    palette.setColor(QPalette::Base, color);
    palette.setColor(QPalette::Button, color);
    control->setPalette(palette);
}
