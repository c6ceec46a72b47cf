#include "TemperatureScale.h"

#include "TemperatureText.h"

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

// How often the search range is doubled outwards and then halved: enough to cover every
// 32-bit raw value and to end far below a thousandth of a level.
constexpr int WideningSteps = 40;
constexpr int HalvingSteps = 80;

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

// The temperature rises with the raw value over the whole range a sensor gives (the signal
// curve only turns below -78 °C), so a bisection finds the value; the search stops widening
// where the curve stops rising.
double RawValueAt(const cQVX& snapshot, double temperature)
{
    int ownLow = 0;
    int ownHigh = 0;
    ColourRangeFor(snapshot, ownLow, ownHigh);
    double below = std::min(ownLow, ownHigh);
    double above = std::max(ownLow, ownHigh) + 1.0;
    double step = above - below;
    for (int i = 0; i < WideningSteps && TemperatureOf(snapshot, below) > temperature; ++i, step *= 2.0) {
        const double further = below - step;
        if (!(TemperatureOf(snapshot, further) < TemperatureOf(snapshot, below))) {
            break;
        }
        below = further;
    }
    step = above - below;
    for (int i = 0; i < WideningSteps && TemperatureOf(snapshot, above) < temperature; ++i, step *= 2.0) {
        const double further = above + step;
        if (!(TemperatureOf(snapshot, further) > TemperatureOf(snapshot, above))) {
            break;
        }
        above = further;
    }
    for (int i = 0; i < HalvingSteps && above - below > 1e-9; ++i) {
        const double middle = (below + above) / 2.0;
        (TemperatureOf(snapshot, middle) < temperature ? below : above) = middle;
    }
    const double found = (below + above) / 2.0;
    // A temperature read at a raw level (as printed, in single precision) maps back onto that
    // very level, so a picture whose own range is the shared one renders exactly as before.
    const double level = std::round(found);
    if (float(TemperatureOf(snapshot, level)) == float(temperature)) {
        return level;
    }
    return found;
}

TemperatureScale SharedTemperatureScale(const cQVX& snapshot, TemperatureSpan span)
{
    return {RawValueAt(snapshot, span.low), RawValueAt(snapshot, span.high), span.low, span.high};
}

std::optional<TemperatureSpan> CommonTemperatureSpan(const QStringList& snapshotPaths, TemperatureUnit unit)
{
    std::optional<TemperatureSpan> span;
    for (const QString& path : snapshotPaths) {
        cQVX snapshot;
        if (!snapshot.Load(path) || !snapshot.valid || !HasTemperatures(snapshot) ||
            !snapshot.LoadPixels(cQVX::Width, cQVX::Height)) {
            continue;
        }
        UseTemperatureUnit(snapshot, unit);
        const TemperatureScale own = OwnTemperatureScale(snapshot);
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
