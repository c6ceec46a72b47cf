#include "ScenePhoto.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace {

constexpr double SceneWidth = 160.0;
constexpr double SceneHeight = 120.0;

QTransform SceneToPhoto(QSize size)
{
    const double scale = std::min(size.width() / SceneWidth, size.height() / SceneHeight);
    QTransform transform;
    transform.translate((size.width() - SceneWidth * scale) / 2.0, (size.height() - SceneHeight * scale) / 2.0);
    transform.scale(scale, scale);
    return transform;
}

QPainterPath Outline(const ScenePart& part)
{
    QPainterPath path;
    if (part.shape == PartShape::Disc) {
        path.addEllipse(part.area);
    } else {
        const double corner = std::min({part.area.width(), part.area.height(), 6.0}) * 0.12;
        path.addRoundedRect(part.area, corner, corner);
    }
    return path;
}

void PaintPart(QPainter& painter, const ScenePart& part)
{
    const QPainterPath outline = Outline(part);
    // A soft shadow down and to the right: light comes from the upper left.
    painter.fillPath(outline.translated(0.7, 0.9), QColor(0, 0, 0, 55));

    if (part.shape == PartShape::Disc) {
        QRadialGradient shading(part.area.center() - QPointF(part.area.width() * 0.18, part.area.height() * 0.2),
                                std::max(part.area.width(), part.area.height()) * 0.65);
        shading.setColorAt(0.0, part.colour.lighter(135));
        shading.setColorAt(1.0, part.colour.darker(130));
        painter.fillPath(outline, shading);
    } else {
        QLinearGradient shading(part.area.topLeft(), part.area.bottomRight());
        shading.setColorAt(0.0, part.colour.lighter(118));
        shading.setColorAt(1.0, part.colour.darker(122));
        painter.fillPath(outline, shading);
    }
    painter.setPen(QPen(part.colour.darker(170), 0.3));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(outline);

    if (!part.label.isEmpty()) {
        const QColor text = part.colour.lightness() > 120 ? QColor(30, 30, 30) : QColor(235, 235, 235);
        const double height = std::clamp(part.area.height() * 0.22, 2.2, 4.5);
        const QRectF band(part.area.left(), part.area.top() + 1.0, part.area.width(), height * 1.4);
        DrawPhotoLabel(painter, band, part.label, height, text);
    }
}

// Uneven light over the whole photo, as from a lamp or a flash: brighter in the middle.
void PaintLighting(QPainter& painter, QSize size)
{
    const QPointF centre(size.width() * 0.45, size.height() * 0.4);
    QRadialGradient light(centre, std::hypot(size.width(), size.height()) * 0.62);
    light.setColorAt(0.0, QColor(255, 255, 240, 28));
    light.setColorAt(0.55, QColor(0, 0, 0, 0));
    light.setColorAt(1.0, QColor(0, 0, 0, 70));
    painter.fillRect(QRect(QPoint(0, 0), size), light);
}

} // namespace

void DrawPhotoLabel(QPainter& painter, const QRectF& area, const QString& text, double height, const QColor& colour)
{
    // Text is laid out in photo pixels, so it stays crisp at any size.
    const QTransform toPhoto = painter.transform();
    const double scale = std::sqrt(std::abs(toPhoto.determinant()));
    painter.save();
    painter.resetTransform();
    QFont font("Liberation Sans");
    font.setStyleHint(QFont::SansSerif);
    font.setBold(true);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(height * scale))));
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(toPhoto.mapRect(area), Qt::AlignCenter, text);
    painter.restore();
}

void DrawScrew(QPainter& painter, QPointF centre, double radius)
{
    QRadialGradient metal(centre - QPointF(radius * 0.3, radius * 0.3), radius * 1.3);
    metal.setColorAt(0.0, QColor(235, 235, 235));
    metal.setColorAt(1.0, QColor(120, 120, 125));
    painter.setPen(QPen(QColor(80, 80, 85), radius * 0.15));
    painter.setBrush(metal);
    painter.drawEllipse(centre, radius, radius);
    painter.setPen(QPen(QColor(70, 70, 70), radius * 0.25));
    painter.drawLine(centre - QPointF(radius * 0.6, 0), centre + QPointF(radius * 0.6, 0));
}

QImage PaintScenePhoto(const SceneDescription& scene, QSize size)
{
    QImage photo(size, QImage::Format_RGB32);
    QPainter painter(&photo);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    const QTransform toPhoto = SceneToPhoto(size);
    const QRectF visible = toPhoto.inverted().mapRect(QRectF(QPointF(0, 0), size));
    painter.setTransform(toPhoto);

    QLinearGradient background(QPointF(0, visible.top()), QPointF(0, visible.bottom()));
    background.setColorAt(0.0, scene.backgroundTop);
    background.setColorAt(1.0, scene.backgroundBottom);
    painter.fillRect(visible, background);
    if (scene.decorateBehind) {
        scene.decorateBehind(painter, visible);
    }
    for (const ScenePart& part : scene.parts) {
        if (part.inPhoto) {
            PaintPart(painter, part);
        }
    }
    if (scene.decorateFront) {
        scene.decorateFront(painter, visible);
    }

    painter.resetTransform();
    PaintLighting(painter, size);
    return photo;
}
