#include "TemperatureInversion.h"

#include "SnapshotPicture.h"
#include "cQVX.h"

#include <algorithm>
#include <cmath>

namespace {

double TemperatureOf(const cQVX& snapshot, double raw)
{
    return snapshot.ToTemperature(raw, snapshot.emissivity / 100.0);
}

// How often the search range is doubled outwards and then halved: enough to cover every
// 32-bit raw value and to end far below a thousandth of a level.
constexpr int WideningSteps = 40;
constexpr int HalvingSteps = 80;

} // namespace

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
