#pragma once

#include "CommandLine.h"

#include <QString>

class cQVX;

// The snapshot's own code for a unit (old and new files number the units differently).
quint8 UnitCodeFor(const cQVX& snapshot, TemperatureUnit unit);

// "C", "F" or "K".
QString UnitSymbol(TemperatureUnit unit);

// A Celsius temperature in the unit, with the conversions the temperature reading uses.
double FromCelsius(double celsius, TemperatureUnit unit);
