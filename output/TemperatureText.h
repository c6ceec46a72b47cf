#pragma once

#include "ReportOptions.h"

#include <QString>

// The unit texts of the report: temperature suffix, the suffix of the typed indoor and outdoor
// temperatures, and of the typed wind speed.
struct UnitTexts
{
    QString temperature;
    QString typedTemperature;
    QString windSpeed;
};

UnitTexts UnitTextsFor(TemperatureUnit unit);

// "%.1f %s": a value in tenths and its unit.
QString TenthsWithUnit(float value, const QString& unit);

// The same for a difference of two temperatures, which never shows a negative zero.
QString DifferenceWithUnit(float value, const QString& unit);
// Its number alone, "%.1f" without a negative zero.
QString DifferenceDigits(float value);
