#pragma once

#include <QByteArray>
#include <QColor>
#include <QDateTime>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QtGlobal>

#include <functional>
#include <optional>
#include <vector>

class QPainter;

// A synthetic inspection scene, described once and turned both into a thermal snapshot and into
// a matching visual photo. Coordinates are sensor pixels as the picture is shown: x from the
// left (0..160), y from the top (0..120).

enum class PartShape { Box, Disc };

// A surface of the scene: blends into what lies behind it over `edge` pixels; in the photo it is
// a shaded shape with an optional label.
struct ScenePart
{
    PartShape shape = PartShape::Box;
    QRectF area;
    double temperature = 20.0;
    std::optional<double> bottomTemperature; // a vertical gradient from top to bottom when set
    double edge = 1.0;
    QColor colour = Qt::gray;
    QString label;
    bool inPhoto = true; // false for what only the thermal image shows (a thermal bridge in a wall)
};

// A local heat source or cold patch: flat at `temperature` within `coreRadius`, fading to its
// surroundings over `spread` pixels, so a marker on the core reads the intended value.
struct ThermalSpot
{
    QPointF centre;
    double coreRadius = 2.0;
    double spread = 4.0;
    double temperature = 20.0;
};

// A spot marker placed on a point of interest (sensor pixel as shown).
struct SceneMarker
{
    int x = 0;
    int y = 0;
    QString role; // "hot spot", "reference", "ambient", ... for the generator's summary
};

enum class DisplayUnit { Celsius, Fahrenheit, Kelvin };

// The camera's settings for the snapshot.
struct CameraSettings
{
    quint8 versionMajor = 0;
    quint8 versionMinor = 4;
    quint8 paletteCode = 1;
    quint8 rangeType = 0;
    DisplayUnit unit = DisplayUnit::Celsius; // stored with the code of the file's version
    double emissivity = 0.95;
    double reflectedCelsius = 20.0;
    bool automaticRange = true; // else the colour range spans the scene with a margin
    double noiseSigma = 0.05; // sensor noise, degrees
    QDateTime captured;
};

// Draws what the thermal parts cannot say about the look of the equipment (cables, fins, bricks,
// screws). Called with the painter in sensor coordinates; `visible` is the whole photo in them.
using PhotoDecoration = std::function<void(QPainter& painter, const QRectF& visible)>;

struct SceneDescription
{
    QString name; // file base name
    QByteArray shortText;
    QByteArray longText;
    CameraSettings camera;
    double topTemperature = 20.0; // background, top to bottom
    double bottomTemperature = 20.0;
    QColor backgroundTop = QColor(200, 200, 200);
    QColor backgroundBottom = QColor(160, 160, 160);
    std::vector<ScenePart> parts; // back to front
    std::vector<ThermalSpot> spots;
    std::vector<SceneMarker> markers;
    PhotoDecoration decorateBehind; // after the background, before the parts
    PhotoDecoration decorateFront; // after the parts
};
