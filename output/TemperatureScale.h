#pragma once

#include "snapshot/TemperatureInversion.h"
#include "snapshot/TemperatureUnit.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

class cQVX;
struct InspectionSelection;
struct MeasurementSettings;

// The colour range a thermal picture is rendered with: the raw values that take the first
// (rawLow) and the last (rawHigh) palette entry, and their temperatures in the unit the
// snapshot's unitCode names, rounded to single precision as the cursor temperatures are.
struct TemperatureScale
{
    double rawLow = 0.0;
    double rawHigh = 0.0;
    float low = 0.0f;
    float high = 0.0f;
};

// One temperature range for every picture of a report.
struct TemperatureSpan
{
    float low = 0.0f;
    float high = 0.0f;
};

// A labelled point of a scale: `position` 0 at the first palette entry (the bottom of the bar),
// 1 at the last (its top).
struct ScaleMark
{
    double position = 0.0;
    QString text;
};

// The snapshot's own range (the display range, or the automatic one when the file gives none)
// in temperatures of its own emissivity and reflected temperature. The snapshot's pixels are
// decoded and its unitCode set.
TemperatureScale OwnTemperatureScale(const cQVX& snapshot);

// The scale over `span`, its ends turned into raw values of this snapshot. A snapshot whose own
// range has the span's temperatures gets exactly its own raw range back.
TemperatureScale SharedTemperatureScale(const cQVX& snapshot, TemperatureSpan span);

// Whether the snapshot's values read as temperatures at all: an emissivity of 0 reads 0 everywhere.
bool HasTemperatures(const cQVX& snapshot);

// The scale of a snapshot with the settings applied: its manual range when it has one, its own
// range otherwise.
TemperatureScale MeasuredTemperatureScale(cQVX& snapshot, const MeasurementSettings& settings);

// From the lowest to the highest temperature of the inspections' scales (settings applied), in
// `unit`. Snapshots that do not load or have no temperatures take no part; nothing when none is left.
std::optional<TemperatureSpan> CommonTemperatureSpan(const std::vector<InspectionSelection>& selections,
                                                     TemperatureUnit unit);

// The labels of a scale: the high end at the top and the low end at the bottom ("%.1f" and
// `unit`), or one label in the middle when both read the same; then two or one marks between
// them at evenly spaced temperatures, as long as every label reads differently from its
// neighbours and is at least `labelSpacing` (a share of the bar's height) away from them.
std::vector<ScaleMark>
ScaleMarks(const cQVX& snapshot, const TemperatureScale& scale, const QString& unit, double labelSpacing);
