#include "TemperatureScale.h"

#include "TemperatureText.h"

#include "report/InspectionSelection.h"
#include "snapshot/MeasuredSnapshot.h"
#include "snapshot/SnapshotPicture.h"
#include "snapshot/SnapshotUnit.h"
#include "snapshot/cQVX.h"

#include <algorithm>
#include <cmath>

namespace {

double Emissivity(const cQVX& snapshot)
{
    return snapshot.emissivity / 100.0;
}

double TemperatureOf(const cQVX& snapshot, double raw)
{
    return snapshot.ToTemperature(raw, Emissivity(snapshot));
}

} // namespace

bool HasTemperatures(const cQVX& snapshot)
{
    return snapshot.emissivity > 0;
}

TemperatureScale OwnTemperatureScale(const cQVX& snapshot)
{
    int low = 0;
    int high = 0;
    ColourRangeFor(snapshot, low, high);
    return {double(low), double(high), float(TemperatureOf(snapshot, low)), float(TemperatureOf(snapshot, high))};
}

TemperatureScale SharedTemperatureScale(const cQVX& snapshot, TemperatureSpan span)
{
    return {RawValueAt(snapshot, span.low), RawValueAt(snapshot, span.high), span.low, span.high};
}

TemperatureScale MeasuredTemperatureScale(cQVX& snapshot, const MeasurementSettings& settings)
{
    if (!settings.manualRange) {
        return OwnTemperatureScale(snapshot);
    }
    double low = 0.0;
    double high = 0.0;
    MeasuredColourRange(snapshot, settings, low, high);
    return {low, high, float(TemperatureOf(snapshot, low)), float(TemperatureOf(snapshot, high))};
}

std::optional<TemperatureSpan> CommonTemperatureSpan(const std::vector<InspectionSelection>& selections,
                                                     TemperatureUnit unit)
{
    std::optional<TemperatureSpan> span;
    for (const InspectionSelection& selection : selections) {
        cQVX snapshot;
        if (!LoadMeasuredSnapshot(snapshot, selection.snapshotPath, selection.measurement) ||
            !HasTemperatures(snapshot)) {
            continue;
        }
        UseTemperatureUnit(snapshot, unit);
        const TemperatureScale own = MeasuredTemperatureScale(snapshot, selection.measurement);
        const float low = std::min(own.low, own.high);
        const float high = std::max(own.low, own.high);
        span =
            span ? TemperatureSpan {std::min(span->low, low), std::max(span->high, high)} : TemperatureSpan {low, high};
    }
    return span;
}

std::vector<ScaleMark>
ScaleMarks(const cQVX& snapshot, const TemperatureScale& scale, const QString& unit, double labelSpacing)
{
    const QString lowText = TenthsWithUnit(scale.low, unit);
    const QString highText = TenthsWithUnit(scale.high, unit);
    if (lowText == highText) {
        return {{0.5, lowText}};
    }
    const double rawSpan = scale.rawHigh - scale.rawLow;
    for (int between = 2; between >= 1 && rawSpan != 0.0; --between) {
        std::vector<ScaleMark> marks {{0.0, lowText}};
        for (int k = 1; k <= between; ++k) {
            const float temperature = scale.low + (scale.high - scale.low) * float(k) / float(between + 1);
            const double position = (RawValueAt(snapshot, temperature) - scale.rawLow) / rawSpan;
            marks.push_back({position, TenthsWithUnit(temperature, unit)});
        }
        marks.push_back({1.0, highText});
        const bool fit = std::adjacent_find(marks.begin(), marks.end(), [&](const ScaleMark& a, const ScaleMark& b) {
                             return a.text == b.text || b.position - a.position < labelSpacing;
                         }) == marks.end();
        if (fit) {
            return marks;
        }
    }
    return {{0.0, lowText}, {1.0, highText}};
}
