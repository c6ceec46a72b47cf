#include "pages/details/MeasurementText.h"

#include "output/TemperatureText.h"
#include "snapshot/cQVX.h"

namespace {

constexpr int Fahrenheit = 1;
constexpr int Kelvin = 2;

} // namespace

QString UnitSuffix(int unit)
{
    switch (unit) {
    case Fahrenheit:
        return QStringLiteral("\u00B0F");
    case Kelvin:
        return QStringLiteral("K");
    default:
        return QStringLiteral("\u00B0C");
    }
}

QString TemperatureText(float temperature, int unit)
{
    return QString::asprintf("%.1f ", double(temperature)) + UnitSuffix(unit);
}

QString DifferenceText(float difference, int unit)
{
    // The report's own wording, so that the page never shows another difference than it prints.
    return DifferenceWithUnit(difference, UnitSuffix(unit));
}

float ReflectedTemperature(qint16 reflectedTemp, int unit)
{
    const float celsius = float(reflectedTemp) / 100.0f;
    switch (unit) {
    case Fahrenheit:
        return celsius * 1.8f + 32.0f;
    case Kelvin:
        return celsius + 273.15f;
    default:
        return celsius;
    }
}

QString EmissivityText(quint8 emissivity)
{
    return QString::asprintf("%.2f", double(emissivity) / 100.0);
}

double KelvinInUnit(double kelvin, int unit)
{
    switch (unit) {
    case Fahrenheit:
        return (kelvin - 273.15) * 1.8 + 32;
    case Kelvin:
        return kelvin;
    default:
        return kelvin - 273.15;
    }
}

double KelvinFromUnit(double value, int unit)
{
    switch (unit) {
    case Fahrenheit:
        return (value - 32) / 1.8 + 273.15;
    case Kelvin:
        return value;
    default:
        return value + 273.15;
    }
}

void SetSnapshotUnit(cQVX& snapshot, int unit)
{
    switch (unit) {
    case Fahrenheit:
        snapshot.unitCode = snapshot.fahrenheitCode;
        break;
    case Kelvin:
        snapshot.unitCode = snapshot.kelvinCode;
        break;
    default:
        snapshot.unitCode = snapshot.celsiusCode;
        break;
    }
}
