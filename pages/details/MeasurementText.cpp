#include "pages/details/MeasurementText.h"

#include "output/TemperatureText.h"

QString UnitSuffix(TemperatureUnit unit)
{
    switch (unit) {
    case TemperatureUnit::Fahrenheit:
        return QStringLiteral("\u00B0F");
    case TemperatureUnit::Kelvin:
        return QStringLiteral("K");
    case TemperatureUnit::Celsius:
        break;
    }
    return QStringLiteral("\u00B0C");
}

QString TemperatureText(float temperature, TemperatureUnit unit)
{
    return QString::asprintf("%.1f ", double(temperature)) + UnitSuffix(unit);
}

QString DifferenceText(float difference, TemperatureUnit unit)
{
    // The report's own wording, so that the page never shows another difference than it prints.
    return DifferenceWithUnit(difference, UnitSuffix(unit));
}
