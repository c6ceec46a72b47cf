#include "TemperatureText.h"

#include <algorithm>

UnitTexts UnitTextsFor(TemperatureUnit unit)
{
    switch (unit) {
    case TemperatureUnit::Fahrenheit:
        return {QStringLiteral("°F"), QStringLiteral(" °F"), QStringLiteral(" mph")};
    case TemperatureUnit::Kelvin:
        // Typed temperatures stay in Celsius: only measured values are converted to Kelvin.
        return {QStringLiteral("K"), QStringLiteral(" °C"), QStringLiteral(" km/h")};
    case TemperatureUnit::Celsius:
        break;
    }
    return {QStringLiteral("°C"), QStringLiteral(" °C"), QStringLiteral(" km/h")};
}

QString TenthsWithUnit(float value, const QString& unit)
{
    return QString::number(double(value), 'f', 1) + QLatin1Char(' ') + unit;
}

QString DifferenceWithUnit(float value, const QString& unit)
{
    return DifferenceDigits(value) + QLatin1Char(' ') + unit;
}

QString DifferenceDigits(float value)
{
    QString text = QString::number(double(value), 'f', 1);
    const bool allZero = std::none_of(text.begin(), text.end(), [](QChar c) { return c >= u'1' && c <= u'9'; });
    if (text.startsWith(QLatin1Char('-')) && allZero) {
        text.remove(0, 1);
    }
    return text;
}
