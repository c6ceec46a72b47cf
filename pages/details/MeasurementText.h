#pragma once

#include "snapshot/TemperatureUnit.h"

#include <QString>

// The texts of the Inspection Data page's measurement fields.

// "°C", "°F" or "K".
QString UnitSuffix(TemperatureUnit unit);

// "%.1f %s" of a temperature and the unit's suffix.
QString TemperatureText(float temperature, TemperatureUnit unit);

// The same for a difference, except that a value that would read "-0.0" reads "0.0".
QString DifferenceText(float difference, TemperatureUnit unit);
