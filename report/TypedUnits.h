#pragma once

#include "ReportProject.h"

#include <QString>

// The building values typed on the Inspection Data page carry the project's unit: the indoor and
// outdoor temperatures are in °F when the unit is Fahrenheit and in °C otherwise (Kelvin too, as
// only measured values are shown in Kelvin), the wind speed in mph or in km/h alike.

inline bool TypedInFahrenheit(TemperatureUnit unit)
{
    return unit == TemperatureUnit::Fahrenheit;
}

enum class TypedQuantity { Temperature, WindSpeed };

// `text`, typed while the unit was `from`, for the unit `to`. Only a plain decimal number (an
// optional sign, digits, and a point or a comma with more digits; blanks around it) is converted:
// to as many decimals as it was typed with, at least one, trailing zeros dropped, with the
// separator it was typed with. Any other text, and any text when the typed units stay the same,
// comes back unchanged.
QString ConvertTypedValue(const QString& text, TypedQuantity quantity, TemperatureUnit from, TemperatureUnit to);

// The indoor and outdoor temperatures and the wind speed of every inspection of `project`.
void ConvertTypedValues(ReportProject& project, TemperatureUnit from, TemperatureUnit to);
