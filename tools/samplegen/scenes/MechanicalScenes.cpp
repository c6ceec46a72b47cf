#include "SceneParts.h"
#include "SceneVariation.h"
#include "Scenes.h"
#include "tools/samplegen/ScenePhoto.h"

#include <QPainter>

namespace {

const QColor MotorBlue(40, 80, 150);

// Cooling fins along a motor body: light and dark lines alternating.
void DrawFins(QPainter& painter, const QRectF& body, int count)
{
    const double step = body.height() / (count + 1);
    for (int i = 1; i <= count; ++i) {
        const double y = body.top() + i * step;
        painter.setPen(QPen(MotorBlue.darker(160), 0.6));
        painter.drawLine(QPointF(body.left() + 1, y), QPointF(body.right() - 1, y));
        painter.setPen(QPen(MotorBlue.lighter(140), 0.3));
        painter.drawLine(QPointF(body.left() + 1, y - 0.5), QPointF(body.right() - 1, y - 0.5));
    }
}

void DrawNameplate(QPainter& painter, const QRectF& plate, const QString& text)
{
    painter.setPen(QPen(QColor(90, 90, 90), 0.2));
    painter.setBrush(QColor(215, 215, 210));
    painter.drawRect(plate);
    DrawPhotoLabel(painter, plate, text, plate.height() * 0.4, QColor(30, 30, 30));
}

void DrawGuardMesh(QPainter& painter, const QRectF& guard)
{
    painter.setPen(QPen(QColor(120, 95, 10), 0.35));
    for (double x = guard.left() + 2; x < guard.right(); x += 2.5) {
        painter.drawLine(QPointF(x, guard.top() + 1), QPointF(x, guard.bottom() - 1));
    }
    for (double y = guard.top() + 2; y < guard.bottom(); y += 2.5) {
        painter.drawLine(QPointF(guard.left() + 1, y), QPointF(guard.right() - 1, y));
    }
}

} // namespace

SceneDescription MotorBearingScene(SceneVariation& variation)
{
    const double bearing = variation.Vary(78.6, 9.0);
    const QRectF body(38, 32, 82, 56);

    SceneDescription scene;
    scene.name = "motor-bearing";
    scene.shortText = "M-104 DE";
    scene.longText = "Cooling water pump motor M-104, drive-end bearing";
    scene.camera.versionMajor = 0;
    scene.camera.versionMinor = 2;
    scene.camera.paletteCode = 0; // rainbow on the old firmware
    scene.camera.rangeType = 2;
    scene.camera.emissivity = 0.93; // painted cast iron
    scene.camera.reflectedCelsius = 21.0;
    scene.camera.captured = QDateTime(QDate(2025, 9, 30), QTime(16, 45, 0), Qt::UTC);
    scene.topTemperature = variation.Vary(21.5, 2.0);
    scene.bottomTemperature = scene.topTemperature + 1.5;
    scene.backgroundTop = QColor(190, 196, 190);
    scene.backgroundBottom = QColor(118, 118, 112);

    scene.parts = {
        Box({16, 88, 136, 10}, 27.5, QColor(60, 60, 62)),
        Box({12, 40, 28, 44}, 33.5, MotorBlue.darker(115)),
        GradedBox(body, 46.5, 43.0, MotorBlue),
        Box({60, 18, 28, 15}, 40.5, MotorBlue),
        Box({118, 36, 10, 48}, 55.0, MotorBlue.lighter(105)),
        Box({128, 58, 24, 8}, 58.0, QColor(170, 170, 175)),
        Disc({113, 49, 24, 26}, 66.0, MotorBlue.lighter(112)),
        Box({146, 40, 16, 40}, 29.0, QColor(230, 185, 30)),
    };
    scene.spots.push_back({QPointF(125.5, 62.5), 3.5, 5.0, bearing});
    scene.markers = {{125, 62, "hot spot"}, {78, 60, "motor body"}, {26, 62, "fan cover"}, {6, 112, "ambient"}};

    scene.decorateFront = [body](QPainter& painter, const QRectF&) {
        DrawFins(painter, body, 9);
        DrawNameplate(painter, QRectF(60, 66, 38, 9), "3~ 15 kW 1460 rpm");
        painter.setPen(QPen(QColor(20, 40, 80), 0.5));
        for (double x = 15; x < 38; x += 3) {
            painter.drawLine(QPointF(x, 44), QPointF(x, 80));
        }
        DrawScrew(painter, QPointF(125, 62), 2.4);
        for (double x : {26.0, 142.0}) {
            DrawScrew(painter, QPointF(x, 93), 1.8);
        }
        DrawGuardMesh(painter, QRectF(146, 40, 16, 40));
    };
    return scene;
}

SceneDescription PumpCouplingScene(SceneVariation& variation)
{
    const double pumpBearing = variation.Vary(64.2, 7.0);
    const double coupling = variation.Vary(58.5, 6.0);
    const QRectF guard(82, 42, 22, 36);
    const QColor pumpGreen(70, 110, 80);

    SceneDescription scene;
    scene.name = "pump-coupling";
    scene.shortText = "P-7";
    scene.longText = "Booster pump P-7, bearing frame and coupling";
    scene.camera.versionMinor = 4;
    scene.camera.paletteCode = 6;
    scene.camera.rangeType = 0;
    scene.camera.emissivity = 0.95;
    scene.camera.reflectedCelsius = 22.0;
    scene.camera.captured = QDateTime(QDate(2026, 1, 21), QTime(7, 40, 0), Qt::UTC);
    scene.topTemperature = variation.Vary(22.5, 2.0);
    scene.bottomTemperature = scene.topTemperature + 1.5;
    scene.backgroundTop = QColor(185, 190, 185);
    scene.backgroundBottom = QColor(110, 112, 108);

    scene.parts = {
        Box({0, 94, 160, 12}, 27.0, QColor(70, 72, 75)),
        Box({20, -2, 24, 34}, 34.2, QColor(90, 110, 90)),
        Disc({6, 30, 52, 62}, 34.5, pumpGreen),
        GradedBox({56, 48, 26, 24}, 49.0, 46.0, pumpGreen),
        Box(guard, 31.5, QColor(235, 190, 40)),
        GradedBox({104, 30, 56, 60}, 44.2, 40.8, MotorBlue),
    };
    scene.spots.push_back({QPointF(67.5, 60.5), 3.0, 5.0, pumpBearing});
    scene.spots.push_back({QPointF(93.5, 60.5), 3.0, 4.5, coupling});
    scene.markers = {{67, 60, "hot spot"},
                     {93, 60, "coupling"},
                     {130, 60, "motor body"},
                     {32, 62, "pump casing"},
                     {120, 100, "base"}};

    scene.decorateFront = [guard](QPainter& painter, const QRectF&) {
        DrawFins(painter, QRectF(104, 30, 56, 60), 10);
        DrawNameplate(painter, QRectF(114, 64, 24, 9), "7.5 kW");
        DrawGuardMesh(painter, guard);
        for (double angle = 0; angle < 360; angle += 45) {
            QTransform turn;
            turn.translate(32, 61);
            turn.rotate(angle);
            DrawScrew(painter, turn.map(QPointF(22, 0)), 1.5);
        }
        painter.setPen(QPen(QColor(40, 60, 45), 0.8));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(QPointF(32, 61), 8, 8);
        DrawPhotoLabel(painter, QRectF(8, 98, 30, 6), "P-7", 4.5, QColor(235, 235, 235));
    };
    return scene;
}

SceneDescription SteamValveScene(SceneVariation& variation)
{
    const double gland = variation.Vary(395.0, 15.0);
    const double pipe = variation.Vary(372.0, 12.0);
    const QColor steel(120, 80, 60);
    const QColor cladding(200, 203, 206);
    ScenePart valveBody = Disc({70, 44, 24, 36}, pipe - 4.0, QColor(85, 85, 90));
    valveBody.bottomTemperature = pipe - 12.0;

    SceneDescription scene;
    scene.name = "steam-valve";
    scene.shortText = "HP steam V-12";
    scene.longText = "High-pressure steam line, uninsulated isolation valve V-12, gland packing";
    scene.camera.versionMinor = 4;
    scene.camera.paletteCode = 3;
    scene.camera.rangeType = 3; // tenths of a degree: the line runs near 400 degrees
    scene.camera.emissivity = 0.80; // oxidised steel
    scene.camera.reflectedCelsius = 30.0;
    scene.camera.automaticRange = false;
    scene.camera.noiseSigma = 0.15;
    scene.camera.captured = QDateTime(QDate(2026, 4, 13), QTime(13, 13, 0), Qt::UTC);
    scene.topTemperature = 31.0;
    scene.bottomTemperature = 29.0;
    scene.backgroundTop = QColor(175, 170, 160);
    scene.backgroundBottom = QColor(140, 135, 125);

    scene.parts = {
        GradedBox({20, 74, 8, 48}, 60.0, 35.0, QColor(90, 90, 95)),
        Box({-2, 48, 46, 28}, 46.0, cladding),
        Box({116, 48, 46, 28}, 44.0, cladding),
        Box({44, 54, 72, 16}, pipe, steel),
        Box({48, 46, 8, 32}, pipe - 20.0, steel.darker(110)),
        Box({104, 46, 8, 32}, pipe - 24.0, steel.darker(110)),
        Box({80.5, 10, 3, 14}, 200.0, QColor(175, 175, 180)),
        Box({76, 22, 12, 24}, 300.0, QColor(85, 85, 90)),
        Disc({66, 10, 32, 7}, 180.0, QColor(170, 30, 30)),
        valveBody,
    };
    scene.spots.push_back({QPointF(82.5, 40.5), 2.0, 3.0, gland});
    scene.markers = {{82, 40, "hot spot"},
                     {82, 62, "valve body"},
                     {52, 62, "flange"},
                     {108, 62, "flange"},
                     {98, 62, "bare pipe"},
                     {82, 26, "bonnet"},
                     {20, 62, "insulation"},
                     {140, 62, "insulation"},
                     {140, 100, "ambient"},
                     {6, 20, "ambient"}};

    scene.decorateFront = [](QPainter& painter, const QRectF&) {
        painter.setPen(QPen(QColor(150, 152, 155), 0.4));
        for (double x : {8.0, 22.0, 36.0, 124.0, 138.0, 152.0}) {
            painter.drawLine(QPointF(x, 48), QPointF(x, 76));
        }
        for (double y : {48.5, 52.0, 56.0, 60.0, 64.0, 68.0, 72.0, 75.5}) {
            DrawScrew(painter, QPointF(52, y), 0.9);
            DrawScrew(painter, QPointF(108, y), 0.9);
        }
        DrawPhotoLabel(painter, QRectF(118, 36, 40, 8), "V-12", 5.0, QColor(20, 20, 20));
        DrawPhotoLabel(painter, QRectF(0, 36, 44, 8), "HP STEAM", 4.0, QColor(20, 20, 20));
    };
    return scene;
}
