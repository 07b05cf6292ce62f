#include "operators/OperatorIcon.h"

#include <QPainter>
#include <QPixmap>

QIcon OperatorIcon() {
    QPixmap pixmap(64, 64);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(40, 70, 120), 2));
    painter.setBrush(QColor(90, 140, 210));
    painter.drawEllipse(QRectF(20, 6, 24, 24));
    painter.drawChord(QRectF(8, 34, 48, 52), 0, 180 * 16);
    return QIcon(pixmap);
}
