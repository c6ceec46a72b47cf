#pragma once

#include "SnapshotPicture.h"

#include <QImage>
#include <QPoint>
#include <QRect>

#include <optional>
#include <vector>

class cQVX;

// A fixed colour range chosen by the thermographer, in kelvin.
struct ManualColourRange
{
    float lowKelvin = 0;
    float highKelvin = 0;

    bool operator==(const ManualColourRange&) const = default;
};

// How the thermographer wants one inspection's snapshot measured and shown. The snapshot file is
// never changed: these live in the project, and every field left empty keeps the camera's own.
// Points and boxes are in picture coordinates as shown: x 0..159 from the left, y 0..119 from the top.
struct MeasurementSettings
{
    static constexpr int MaxSpots = 10;
    static constexpr int MaxBoxes = 5;

    std::optional<float> emissivity; // 0.01 to 1.00, two decimals
    std::optional<float> reflectedKelvin;
    std::optional<PaletteKind> palette;
    std::optional<ManualColourRange> manualRange;
    std::vector<QPoint> spots;
    std::vector<QRect> boxes;

    bool IsEmpty() const { return *this == MeasurementSettings {}; }
    bool operator==(const MeasurementSettings&) const = default;
};

// The statistics of the pixels inside a box, from the same per-pixel temperatures as the
// temperature export, in the snapshot's unit; `hottest` is where the maximum is (as shown).
struct BoxStatistics
{
    float maximum = 0;
    float minimum = 0;
    float average = 0;
    QPoint hottest;
};
