#include "SceneParts.h"
#include "SceneVariation.h"
#include "Scenes.h"
#include "tools/samplegen/ScenePhoto.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <cmath>

namespace {

void DrawBrickCourses(QPainter& painter, const QRectF& visible)
{
    constexpr double Course = 4.0;
    constexpr double Brick = 12.0;
    painter.setPen(QPen(QColor(190, 180, 165), 0.5));
    const double top = std::floor(visible.top() / Course) * Course;
    for (double y = top; y < visible.bottom(); y += Course) {
        painter.drawLine(QPointF(visible.left(), y), QPointF(visible.right(), y));
        const double offset = std::fmod(std::abs(y / Course), 2.0) < 1.0 ? 0.0 : Brick / 2.0;
        for (double x = std::floor(visible.left() / Brick) * Brick + offset; x < visible.right(); x += Brick) {
            painter.drawLine(QPointF(x, y), QPointF(x, y + Course));
        }
    }
}

// Window glass: the sky's reflection and the frame's mullion.
void DrawGlazing(QPainter& painter, const QRectF& glass, const QColor& frame)
{
    QLinearGradient reflection(glass.topLeft(), glass.bottomRight());
    reflection.setColorAt(0.0, QColor(255, 255, 255, 90));
    reflection.setColorAt(0.45, QColor(255, 255, 255, 0));
    reflection.setColorAt(0.55, QColor(255, 255, 255, 40));
    reflection.setColorAt(1.0, QColor(255, 255, 255, 0));
    painter.fillRect(glass, reflection);
    painter.setPen(Qt::NoPen);
    painter.setBrush(frame);
    painter.drawRect(QRectF(glass.center().x() - 1.5, glass.top(), 3, glass.height()));
}

} // namespace

SceneDescription WallThermalBridgeScene(SceneVariation& variation)
{
    const double corner = variation.Vary(12.6, 1.5);
    const QRectF glass(103, 47, 40, 44);
    const QRectF radiator(100, 102, 46, 14);

    SceneDescription scene;
    scene.name = "wall-thermal-bridge";
    scene.shortText = "Flat 3B bedroom";
    scene.longText = "Flat 3B, bedroom north wall: ceiling slab edge and external corner";
    scene.camera.versionMinor = 4;
    scene.camera.paletteCode = 0;
    scene.camera.rangeType = 0;
    scene.camera.unit = DisplayUnit::Fahrenheit;
    scene.camera.emissivity = 0.93; // painted plaster
    scene.camera.reflectedCelsius = 20.0;
    scene.camera.automaticRange = false;
    scene.camera.noiseSigma = 0.04;
    scene.camera.captured = QDateTime(QDate(2026, 1, 14), QTime(7, 30, 0), Qt::UTC);
    scene.topTemperature = 19.9;
    scene.bottomTemperature = 19.2;
    scene.backgroundTop = QColor(226, 223, 216);
    scene.backgroundBottom = QColor(200, 197, 190);

    scene.parts = {
        Box({-2, -2, 164, 28}, 18.6, QColor(238, 238, 235), 2.0),
        Box({-2, 26, 54, 96}, 19.4, QColor(210, 207, 200), 1.5),
        Hidden(Box({-2, 24, 164, 6}, 16.9, Qt::white, 5.0)),
        Box({98, 42, 50, 54}, 17.2, QColor(245, 245, 245)),
        Box(glass, 13.8, QColor(150, 180, 200)),
        GradedBox(radiator, 45.0, 41.0, QColor(240, 240, 238)),
    };
    scene.spots.push_back({QPointF(52.5, 27.5), 2.5, 8.0, corner});
    scene.markers = {{52, 27, "cold spot"}, {30, 75, "reference"}, {100, 10, "ceiling"}};

    scene.decorateFront = [glass, radiator](QPainter& painter, const QRectF&) {
        // Faint grey staining where the cold corner has collected dust and damp.
        QRadialGradient stain(QPointF(52, 27), 14);
        stain.setColorAt(0.0, QColor(120, 120, 110, 70));
        stain.setColorAt(1.0, QColor(120, 120, 110, 0));
        painter.setPen(Qt::NoPen);
        painter.setBrush(stain);
        painter.drawEllipse(QPointF(52, 27), 14, 14);
        DrawGlazing(painter, glass, QColor(245, 245, 245));
        painter.setPen(QPen(QColor(200, 200, 198), 0.6));
        for (double x = radiator.left() + 2; x < radiator.right() - 1; x += 2.5) {
            painter.drawLine(QPointF(x, radiator.top() + 1), QPointF(x, radiator.bottom() - 1));
        }
        painter.setPen(QPen(QColor(180, 178, 172), 0.4));
        painter.drawLine(QPointF(52, 26), QPointF(52, 122));
    };
    return scene;
}

SceneDescription WindowFacadeScene(SceneVariation& variation)
{
    const double leak = variation.Vary(10.8, 2.0);
    const QRectF glass(56, 30, 48, 58);

    SceneDescription scene;
    scene.name = "window-facade";
    scene.shortText = "Block C west";
    scene.longText = "Block C, west facade, first-floor window: frame joint and lintel";
    scene.camera.versionMajor = 0;
    scene.camera.versionMinor = 2;
    scene.camera.paletteCode = 5; // not a palette of ours: shown in ironbow
    scene.camera.rangeType = 2;
    scene.camera.unit = DisplayUnit::Kelvin;
    scene.camera.emissivity = 0.90;
    scene.camera.reflectedCelsius = -8.0; // the clear night sky
    scene.camera.captured = QDateTime(QDate(2026, 1, 5), QTime(6, 50, 0), Qt::UTC);
    scene.topTemperature = variation.Vary(3.1, 1.5);
    scene.bottomTemperature = scene.topTemperature - 1.5;
    scene.backgroundTop = QColor(150, 75, 55);
    scene.backgroundBottom = QColor(128, 64, 47);

    scene.parts = {
        Box({44, 16, 72, 8}, 6.4, QColor(170, 165, 155)),
        Box({50, 24, 60, 70}, 5.5, QColor(240, 240, 240)),
        Box(glass, 3.4, QColor(150, 175, 200)),
        Box({46, 94, 68, 5}, 3.6, QColor(180, 175, 170)),
    };
    scene.spots.push_back({QPointF(53.5, 27.5), 2.0, 4.0, leak});
    scene.markers = {{53, 27, "hot spot"}, {20, 60, "reference"}, {80, 60, "glass"}};

    scene.decorateBehind = [](QPainter& painter, const QRectF& visible) { DrawBrickCourses(painter, visible); };
    scene.decorateFront = [glass](QPainter& painter, const QRectF&) {
        DrawGlazing(painter, glass, QColor(240, 240, 240));
    };
    return scene;
}

SceneDescription UniformPlateScene(SceneVariation& variation)
{
    const double plate = variation.Vary(35.0, 5.0);

    SceneDescription scene;
    scene.name = "uniform-plate";
    const QString label = QString("REF %1").arg(plate, 0, 'f', 1);
    scene.shortText = label.toLatin1();
    scene.longText = "Reference plate filling the view (calibration check)";
    scene.camera.versionMajor = 1;
    scene.camera.versionMinor = 0;
    scene.camera.paletteCode = 4; // not a palette of ours: shown in ironbow
    scene.camera.rangeType = 0;
    scene.camera.emissivity = 1.00;
    scene.camera.reflectedCelsius = 20.0;
    scene.camera.captured = QDateTime(QDate(2026, 5, 20), QTime(8, 0, 0), Qt::UTC);
    scene.topTemperature = plate + 0.05;
    scene.bottomTemperature = plate - 0.05;
    scene.backgroundTop = QColor(34, 34, 36);
    scene.backgroundBottom = QColor(22, 22, 24);

    scene.decorateFront = [label](QPainter& painter, const QRectF&) {
        QRadialGradient sheen(QPointF(60, 40), 60);
        sheen.setColorAt(0.0, QColor(255, 255, 255, 18));
        sheen.setColorAt(1.0, QColor(255, 255, 255, 0));
        painter.fillRect(QRectF(0, 0, 160, 120), sheen);
        for (QPointF screw : {QPointF(5, 5), QPointF(155, 5), QPointF(5, 115), QPointF(155, 115)}) {
            DrawScrew(painter, screw, 2.0);
        }
        painter.setPen(QPen(QColor(60, 60, 60), 0.3));
        painter.setBrush(QColor(235, 235, 225));
        painter.drawRect(QRectF(118, 100, 30, 10));
        DrawPhotoLabel(painter, QRectF(118, 100, 30, 10), label + " \u00b0C", 4.0, QColor(20, 20, 20));
    };
    return scene;
}
