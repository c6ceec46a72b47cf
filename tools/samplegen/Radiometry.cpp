#include "Radiometry.h"

#include <algorithm>
#include <cmath>

namespace {
// Where the two quadratic pieces of the signal curve meet (280 degrees).
constexpr double SignalAtJoin = 1249.513892;
} // namespace

double CameraSignal(double celsius)
{
    if (celsius > 280.0) {
        return 0.00265579 * celsius * celsius + (5.8462 * celsius - 640.995);
    }
    return 0.00962738 * celsius * celsius + (1.5018 * celsius + 74.2233);
}

double TemperatureForSignal(double signal)
{
    if (signal > SignalAtJoin) {
        return (std::sqrt(signal + 3858.31) * 0.103069 - 5.8462) * 188.268;
    }
    return (std::sqrt(std::max(signal - 15.6555, 0.0)) * 0.196238 - 1.5018) * 51.9352;
}

double ApparentTemperature(double surfaceCelsius, double emissivity, double reflectedCelsius)
{
    // The sensor sees the emitted part of the surface's signal plus the reflected part of the
    // background's: S_apparent = e * S(surface) + (1 - e) * S(reflected).
    const double signal =
        emissivity * CameraSignal(surfaceCelsius) + (1.0 - emissivity) * CameraSignal(reflectedCelsius);
    return TemperatureForSignal(signal);
}
