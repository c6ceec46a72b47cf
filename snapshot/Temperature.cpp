#include "cQVX.h"

#include <algorithm>
#include <cmath>

namespace {
// The sensor's signal as a function of Celsius temperature: two parabolas meeting at 280 °C.
constexpr double PieceBoundary = 280.0;
constexpr double SignalAtBoundary = 1249.513892;
// The lower parabola's minimum: no temperature gives a smaller signal.
constexpr double LowestSignal = 15.6555;

double Radiance(double celsius)
{
    if (celsius > PieceBoundary) {
        return 0.00265579 * celsius * celsius + (5.8462 * celsius - 640.995);
    }
    return 0.00962738 * celsius * celsius + (1.5018 * celsius + 74.2233);
}

// A corrected signal below the lowest the sensor can produce (very low emissivity with a warm
// background) is taken as that lowest signal, giving the coldest temperature the curve knows.
double CelsiusFromRadiance(double signal)
{
    if (signal > SignalAtBoundary) {
        return (std::pow(signal + 3858.31, 0.5) * 0.103069 - 5.8462) * 188.268;
    }
    return (std::pow(std::max(signal - LowestSignal, 0.0), 0.5) * 0.196238 - 1.5018) * 51.9352;
}
} // namespace

double cQVX::ToTemperature(double value, double emissivity) const
{
    if (!(emissivity > 0.0)) {
        return 0.0;
    }
    const double apparent = value / double(valueScale);
    const double reflected = reflectedTemp / 100.0;
    const double signal =
        (1.0 / emissivity) * Radiance(apparent) - ((1.0 - emissivity) / emissivity) * Radiance(reflected);
    const double kelvin = CelsiusFromRadiance(signal) + 273.15;
    if (unitCode == kelvinCode) {
        return kelvin;
    }
    if (unitCode == celsiusCode) {
        return kelvin - 273.15;
    }
    if (unitCode == fahrenheitCode) {
        return (kelvin - 273.15) * 1.8 + 32;
    }
    return 0.0;
}

float cQVX::MarkerTemperature(int index) const
{
    if (index < 0 || index >= MaxMarkers || smoothed.size() != std::size_t(PixelCount)) {
        return 0.0f;
    }
    const int column = Width - 1 - markerX[index];
    const int row = Height - 1 - markerY[index];
    if (column < 0 || row < 0) {
        return 0.0f;
    }
    return float(ToTemperature(smoothed[std::size_t(row) * Width + column], emissivity / 100.0));
}

float cQVX::MarkerDifference(int first, int second) const
{
    return MarkerTemperature(first) - MarkerTemperature(second);
}

// Ignores roughly the 19 most extreme populated levels at each end, a level counting as
// populated from 3 pixels on, so that a few hot or dead pixels do not stretch the range.
void cQVX::AutoDisplayRange(int& low, int& high) const
{
    if (raw.size() != std::size_t(PixelCount)) {
        return;
    }
    constexpr int skippedLevels = 20;
    constexpr int populatedCount = 3;
    // Every raw value comes from a 16-bit sample; only the occupied span of levels is counted.
    // Neighbouring pixels often share a level, so four interleaved counters per level keep
    // successive increments from waiting on each other.
    constexpr int lanes = 4;
    const auto [lowest, highest] = std::minmax_element(raw.begin(), raw.end());
    const int base = *lowest;
    const std::size_t levels = std::size_t(*highest - base) + 1;
    // Kept for the thread's next snapshot: a folder scan would otherwise have the histogram's
    // pages mapped, faulted in and unmapped again for every one.
    thread_local std::vector<quint16> counters;
    counters.assign(levels * lanes, 0);
    for (std::size_t i = 0; i < raw.size(); ++i) {
        ++counters[std::size_t(raw[i] - base) * lanes + i % lanes];
    }
    const auto populated = [&](std::size_t level) {
        const quint16* lane = &counters[level * lanes];
        return lane[0] + lane[1] + lane[2] + lane[3] >= populatedCount;
    };

    low = high = -32768;
    int found = 0;
    for (std::size_t level = 0; level < levels && found < skippedLevels; ++level) {
        if (populated(level)) {
            low = base + int(level);
            ++found;
        }
    }
    found = 0;
    for (std::size_t level = levels; level-- > 0 && found < skippedLevels;) {
        if (populated(level)) {
            high = base + int(level);
            ++found;
        }
    }
}
