#include "SceneParts.h"
#include "SceneVariation.h"
#include "Scenes.h"
#include "tools/samplegen/ScenePhoto.h"

#include <QPainter>
#include <QRadialGradient>

#include <array>

namespace {

const std::array<QColor, 3> PhaseColours {QColor(125, 75, 40), QColor(45, 45, 48), QColor(130, 130, 135)};

// Darkened, heat-stained surface around an overheated contact, as seen in the photo.
void DrawHeatStain(QPainter& painter, QPointF centre, double radius)
{
    QRadialGradient stain(centre, radius);
    stain.setColorAt(0.0, QColor(90, 50, 20, 150));
    stain.setColorAt(1.0, QColor(90, 50, 20, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(stain);
    painter.drawEllipse(centre, radius, radius);
}

} // namespace

SceneDescription PanelBreakerScene(SceneVariation& variation)
{
    constexpr int Breakers = 7;
    constexpr int Hot = 3;
    const std::array<double, Breakers> body {27.8, 28.4, 29.1, 0.0, 28.9, 27.5, 26.9};
    const std::array<const char*, Breakers> ratings {"C16", "C16", "C20", "C32", "C20", "C10", "C10"};
    const double hotTerminal = variation.Vary(68.4, 8.0);

    SceneDescription scene;
    scene.name = "panel-breaker";
    scene.shortText = "DB-2 Q4";
    scene.longText = "Distribution board DB-2, breaker Q4 (C32), upper terminal";
    scene.camera.versionMinor = 4;
    scene.camera.paletteCode = 1;
    scene.camera.rangeType = 0;
    scene.camera.emissivity = 0.95;
    scene.camera.reflectedCelsius = 24.0;
    scene.camera.captured = QDateTime(QDate(2026, 3, 3), QTime(9, 5, 0), Qt::UTC);
    scene.topTemperature = variation.Vary(25.5, 1.5);
    scene.bottomTemperature = scene.topTemperature - 1.7;
    scene.backgroundTop = QColor(214, 214, 206);
    scene.backgroundBottom = QColor(186, 186, 178);

    scene.parts.push_back(Box({0, 0, 160, 13}, scene.topTemperature + 0.7, QColor(150, 152, 155), 1.5));
    scene.parts.push_back(Box({8, 50, 144, 6}, scene.topTemperature - 0.5, QColor(175, 178, 182)));
    std::array<double, Breakers> centres {};
    for (int i = 0; i < Breakers; ++i) {
        const double cx = 22 + i * 19;
        centres[i] = cx;
        const QColor cable = PhaseColours[i % 3];
        if (i == Hot) {
            scene.parts.push_back(GradedBox({cx - 1.6, 11, 3.2, 22}, 36.0, 49.0, cable));
            scene.parts.push_back(GradedBox({cx - 1.6, 73, 3.2, 24}, 38.0, 31.0, cable));
            scene.parts.push_back(GradedBox({cx - 8, 32, 16, 42}, 44.0, 35.0, QColor(236, 236, 228)));
        } else {
            scene.parts.push_back(Box({cx - 1.6, 11, 3.2, 22}, body[i] + 0.8, cable));
            scene.parts.push_back(Box({cx - 1.6, 73, 3.2, 24}, body[i] + 0.4, cable));
            scene.parts.push_back(Box({cx - 8, 32, 16, 42}, body[i], QColor(236, 236, 228)));
        }
    }
    scene.parts.push_back(Box({10, 96, 140, 10}, scene.bottomTemperature + 1.4, QColor(70, 110, 170)));
    scene.spots.push_back({QPointF(centres[Hot] + 0.5, 36.5), 2.5, 4.5, hotTerminal});

    scene.markers = {{static_cast<int>(centres[Hot]), 36, "hot spot"},
                     {static_cast<int>(centres[Hot + 1]), 36, "reference"},
                     {6, 104, "ambient"}};

    scene.decorateFront = [centres, ratings](QPainter& painter, const QRectF&) {
        for (int i = 0; i < Breakers; ++i) {
            const double cx = centres[i];
            if (i == Hot) {
                DrawHeatStain(painter, QPointF(cx, 36), 6.0);
            }
            DrawScrew(painter, QPointF(cx, 36), 1.6);
            DrawScrew(painter, QPointF(cx, 70), 1.6);
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(40, 40, 42));
            painter.drawRoundedRect(QRectF(cx - 3, 47, 6, 10), 0.8, 0.8);
            painter.setBrush(QColor(200, 40, 35));
            painter.drawRect(QRectF(cx - 2.2, 48, 4.4, 3));
            DrawPhotoLabel(painter, QRectF(cx - 7, 40, 14, 5), ratings[i], 3.0, QColor(25, 25, 25));
            DrawPhotoLabel(painter, QRectF(cx - 7, 60, 14, 4), QString("Q%1").arg(i + 1), 2.4, QColor(60, 60, 60));
        }
        for (int t = 0; t < 28; ++t) {
            DrawScrew(painter, QPointF(13 + t * 5, 101), 1.2);
        }
        DrawPhotoLabel(painter, QRectF(2, 106, 40, 6), "DB-2", 4.0, QColor(30, 30, 30));
    };
    return scene;
}

SceneDescription ConnectorLugScene(SceneVariation& variation)
{
    const std::array<double, 3> bars {variation.Vary(24.0, 4.0), 68.0, variation.Vary(112.0, 4.0)};
    const std::array<double, 3> barTemperature {41.2, 44.0, 40.6};
    const std::array<double, 3> lugTemperature {43.0, 0.0, 41.8};
    const double hotBolt = variation.Vary(101.8, 12.0);

    SceneDescription scene;
    scene.name = "connector-lug";
    scene.shortText = "MSB L2";
    scene.longText = "Main switchboard, outgoing feeder 3, cable lug on phase L2";
    scene.camera.versionMajor = 1;
    scene.camera.versionMinor = 0;
    scene.camera.paletteCode = 2;
    scene.camera.rangeType = 1;
    scene.camera.unit = DisplayUnit::Kelvin;
    scene.camera.emissivity = 0.60; // bare tinned copper
    scene.camera.reflectedCelsius = 35.0; // the warm inside of the cabinet
    scene.camera.automaticRange = false;
    scene.camera.noiseSigma = 0.06;
    scene.camera.captured = QDateTime(QDate(2026, 2, 22), QTime(14, 30, 10), Qt::UTC);
    scene.topTemperature = 34.5;
    scene.bottomTemperature = 33.0;
    scene.backgroundTop = QColor(196, 198, 200);
    scene.backgroundBottom = QColor(168, 170, 173);

    scene.parts.push_back(Box({0, 18, 160, 10}, 34.8, QColor(150, 45, 32)));
    for (int i = 0; i < 3; ++i) {
        const double x = bars[i];
        scene.parts.push_back(Box({x, 0, 16, 120}, barTemperature[i], QColor(184, 115, 51)));
        if (i == 1) {
            scene.parts.push_back(GradedBox({x + 1, 74, 14, 46}, 74.0, 52.0, QColor(35, 35, 38)));
            scene.parts.push_back(Box({x - 1, 48, 18, 26}, 96.5, QColor(192, 192, 186)));
        } else {
            scene.parts.push_back(Box({x + 1, 74, 14, 46}, barTemperature[i] - 1.7, QColor(35, 35, 38)));
            scene.parts.push_back(Box({x - 1, 48, 18, 26}, lugTemperature[i], QColor(192, 192, 186)));
        }
    }
    scene.spots.push_back({QPointF(bars[1] + 8.5, 61.5), 3.0, 5.0, hotBolt});

    const auto boltX = [&bars](int i) { return static_cast<int>(bars[i]) + 8; };
    scene.markers = {
        {boltX(1), 61, "hot spot"}, {boltX(0), 61, "reference"}, {boltX(2), 61, "reference"}, {boltX(1), 100, "cable"}};

    scene.decorateFront = [bars](QPainter& painter, const QRectF&) {
        const std::array<const char*, 3> phases {"L1", "L2", "L3"};
        for (int i = 0; i < 3; ++i) {
            const double cx = bars[i] + 8;
            if (i == 1) {
                DrawHeatStain(painter, QPointF(cx, 61), 9.0);
            }
            DrawScrew(painter, QPointF(cx, 61), 3.2);
            DrawScrew(painter, QPointF(cx, 23), 1.8);
            painter.setPen(Qt::NoPen);
            painter.setBrush(PhaseColours[i]);
            painter.drawRect(QRectF(cx - 7, 80, 14, 3));
            DrawPhotoLabel(painter, QRectF(cx - 8, 4, 16, 8), phases[i], 5.0, QColor(20, 20, 20));
        }
    };
    return scene;
}

SceneDescription FuseHolderScene(SceneVariation& variation)
{
    const std::array<double, 3> topContact {35.2, 41.0, 34.8};
    const std::array<double, 3> bottomContact {36.0, 63.0, 35.1};
    const std::array<double, 3> fuseBody {34.1, 0.0, 33.6};
    const double hotContact = variation.Vary(71.3, 6.0);

    SceneDescription scene;
    scene.name = "fuse-holder";
    scene.shortText = "F2 L2";
    scene.longText = "Fuse switch F2 of the compressor feeder, lower contact of phase L2";
    scene.camera.versionMajor = 0;
    scene.camera.versionMinor = 2;
    scene.camera.paletteCode = 2; // grey on the old firmware
    scene.camera.rangeType = 1;
    scene.camera.unit = DisplayUnit::Fahrenheit;
    scene.camera.emissivity = 0.90;
    scene.camera.reflectedCelsius = 28.0;
    scene.camera.automaticRange = false;
    scene.camera.captured = QDateTime(QDate(2025, 11, 11), QTime(11, 12, 13), Qt::UTC);
    scene.topTemperature = 31.5;
    scene.bottomTemperature = 30.2;
    scene.backgroundTop = QColor(205, 200, 190);
    scene.backgroundBottom = QColor(168, 163, 153);

    scene.parts.push_back(Box({18, 8, 124, 104}, 31.8, QColor(40, 40, 42)));
    std::array<double, 3> lefts {};
    for (int i = 0; i < 3; ++i) {
        const double x = 26 + i * 38;
        lefts[i] = x;
        const QColor cable = PhaseColours[i];
        scene.parts.push_back(Box({x + 12, -2, 8, 16}, topContact[i] - 0.6, cable));
        scene.parts.push_back(Box({x + 12, 102, 8, 20}, bottomContact[i] - 1.5, cable));
        scene.parts.push_back(Box({x + 6, 14, 20, 12}, topContact[i], QColor(200, 200, 195)));
        scene.parts.push_back(Box({x + 6, 90, 20, 12}, bottomContact[i], QColor(200, 200, 195)));
        if (i == 1) {
            scene.parts.push_back(GradedBox({x + 3, 30, 26, 56}, 57.8, 61.2, QColor(235, 230, 215)));
        } else {
            scene.parts.push_back(Box({x + 3, 30, 26, 56}, fuseBody[i], QColor(235, 230, 215)));
        }
    }
    scene.spots.push_back({QPointF(lefts[1] + 16.5, 96.5), 3.0, 4.0, hotContact});
    scene.markers = {{static_cast<int>(lefts[1]) + 16, 96, "hot spot"},
                     {static_cast<int>(lefts[0]) + 16, 96, "reference"}};

    scene.decorateFront = [lefts](QPainter& painter, const QRectF& visible) {
        const std::array<const char*, 3> phases {"L1", "L2", "L3"};
        for (int i = 0; i < 3; ++i) {
            const double cx = lefts[i] + 16;
            if (i == 1) {
                DrawHeatStain(painter, QPointF(cx, 96), 7.0);
            }
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(170, 170, 168));
            painter.drawRect(QRectF(cx - 6, 26, 12, 4));
            painter.drawRect(QRectF(cx - 6, 86, 12, 4));
            DrawScrew(painter, QPointF(cx, 20), 2.0);
            DrawScrew(painter, QPointF(cx, 96), 2.0);
            DrawPhotoLabel(painter, QRectF(cx - 12, 44, 24, 6), "NH00", 4.0, QColor(40, 40, 40));
            DrawPhotoLabel(painter, QRectF(cx - 12, 54, 24, 6), "63 A gG", 3.2, QColor(40, 40, 40));
            DrawPhotoLabel(painter, QRectF(cx - 12, 70, 24, 6), phases[i], 4.0, QColor(170, 30, 30));
        }
        // A warning sign on the cabinet wall above the fuse base (visible only in a tall photo).
        if (visible.top() < -12) {
            painter.setPen(QPen(QColor(20, 20, 20), 0.6));
            painter.setBrush(QColor(250, 200, 20));
            const QPolygonF sign({QPointF(80, -30), QPointF(90, -13), QPointF(70, -13)});
            painter.drawPolygon(sign);
            DrawPhotoLabel(painter, QRectF(70, -25, 20, 10), "!", 7.0, QColor(20, 20, 20));
        }
    };
    return scene;
}
