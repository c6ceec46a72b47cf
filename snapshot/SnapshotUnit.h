#pragma once

#include "SnapshotHeader.h"
#include "TemperatureUnit.h"

// What a temperature unit means for a snapshot.

// The snapshot's own code for a unit: old and new files number the units differently.
quint8 SnapshotUnitCode(const SnapshotHeader& snapshot, TemperatureUnit unit);

// Makes every temperature read from the snapshot from now on come in `unit`.
void UseTemperatureUnit(SnapshotHeader& snapshot, TemperatureUnit unit);

// A Celsius temperature in the unit, with the conversions the temperature reading uses.
double FromCelsius(double celsius, TemperatureUnit unit);

// A temperature in kelvin in the unit, and back, in double precision.
double FromKelvin(double kelvin, TemperatureUnit unit);
double ToKelvin(double value, TemperatureUnit unit);

// The snapshot's reflected temperature (hundredths of a degree Celsius) in the unit, in single
// precision, as the page and the report show it.
float ReflectedTemperature(qint16 reflectedTemp, TemperatureUnit unit);
