#include "dialogs/ProgramIcon.h"

#include <QPainter>
#include <QPainterPath>

QPixmap ProgramIcon(int size)
{
    QPixmap icon(size, size);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    const double s = size / 32.0;

    QLinearGradient sky(0, 0, 0, size);
    sky.setColorAt(0, QColor(52, 110, 200));
    sky.setColorAt(1, QColor(16, 52, 140));
    painter.setPen(Qt::NoPen);
    painter.setBrush(sky);
    painter.drawRoundedRect(QRectF(0, 0, size, size), 6 * s, 6 * s);

    // The camera's body with its viewfinder hump.
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(QRectF(5 * s, 11 * s, 22 * s, 14 * s), 2.5 * s, 2.5 * s);
    painter.drawRoundedRect(QRectF(11 * s, 8 * s, 10 * s, 5 * s), 1.5 * s, 1.5 * s);
    // The lens.
    painter.setBrush(QColor(16, 52, 140));
    painter.drawEllipse(QPointF(16 * s, 18 * s), 5 * s, 5 * s);
    painter.setBrush(QColor(120, 170, 230));
    painter.drawEllipse(QPointF(16 * s, 18 * s), 2.5 * s, 2.5 * s);
    // The flash.
    painter.setBrush(QColor(255, 200, 60));
    painter.drawRect(QRectF(22 * s, 13 * s, 3 * s, 2 * s));
    return icon;
}
