#pragma once

#include "PaletteKind.h"

#include <QPoint>
#include <QRect>

#include <optional>
#include <vector>

// Plain values only (Qt Core), so the project model can carry them; what measures a snapshot
// with them is in MeasuredSnapshot.h.

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
    static constexpr int PictureWidth = 160;
    static constexpr int PictureHeight = 120;
    static constexpr int MaxSpots = 10;
    static constexpr int MaxBoxes = 5;
    static constexpr float MinEmissivity = 0.01f;
    static constexpr float MaxEmissivity = 1.00f;
    // From -70 °C, above where the sensor's signal curve turns, to 320 °C, which the snapshot's
    // hundredths-of-a-degree field still holds.
    static constexpr float MinReflectedKelvin = 203.15f;
    static constexpr float MaxReflectedKelvin = 593.15f;
    // A manual colour range lies within -70 °C to 1500 °C, its low end below its high end.
    static constexpr float MinRangeKelvin = 203.15f;
    static constexpr float MaxRangeKelvin = 1773.15f;

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

// Whether every present value lies within its limits: emissivity 0.01 to 1.00 in hundredths,
// reflected temperature and range ends within theirs, at most 10 spots inside the picture and at
// most 5 boxes of at least one pixel lying wholly inside it.
bool IsWithinLimits(const MeasurementSettings& settings);
