#include "app/dialogs/ProgramIcon.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>

namespace {

QPixmap DrawIcon(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient ironbow(0, size, size, 0);
    ironbow.setColorAt(0.0, QColor(20, 0, 80));
    ironbow.setColorAt(0.4, QColor(180, 0, 120));
    ironbow.setColorAt(0.7, QColor(250, 120, 0));
    ironbow.setColorAt(1.0, QColor(255, 250, 180));
    painter.setPen(Qt::NoPen);
    painter.setBrush(ironbow);
    const qreal radius = size / 6.0;
    painter.drawRoundedRect(QRectF(0, 0, size, size), radius, radius);
    // A spot marker: a cross in a circle.
    painter.setPen(QPen(Qt::white, std::max(1.0, size / 16.0)));
    painter.setBrush(Qt::NoBrush);
    const QPointF centre(size * 0.6, size * 0.4);
    const qreal arm = size * 0.22;
    painter.drawEllipse(centre, arm * 0.6, arm * 0.6);
    painter.drawLine(centre - QPointF(arm, 0), centre + QPointF(arm, 0));
    painter.drawLine(centre - QPointF(0, arm), centre + QPointF(0, arm));
    return pixmap;
}

} // namespace

QIcon ProgramIcon()
{
    QIcon icon;
    for (const int size : {16, 32, 48, 64}) {
        icon.addPixmap(DrawIcon(size));
    }
    return icon;
}
