#pragma once

#include <QString>

class cQVX;

// The texts of the Inspection Data page's measurement fields. Units are numbered as the settings
// store them: 0 Celsius, 1 Fahrenheit, 2 Kelvin.

// "°C", "°F" or "K".
QString UnitSuffix(int unit);

// "%.1f %s" of a temperature and the unit's suffix.
QString TemperatureText(float temperature, int unit);

// The same for a difference, except that a value that would read "-0.0" reads "0.0".
QString DifferenceText(float difference, int unit);

// The snapshot's reflected temperature (hundredths of a degree Celsius) in the unit, in single precision.
float ReflectedTemperature(qint16 reflectedTemp, int unit);

// "%.2f" of the snapshot's emissivity (percent) as a fraction.
QString EmissivityText(quint8 emissivity);

// A temperature in kelvin in the unit, and back, in double precision.
double KelvinInUnit(double kelvin, int unit);
double KelvinFromUnit(double value, int unit);

// Sets the snapshot's unit code to its own code for the unit.
void SetSnapshotUnit(cQVX& snapshot, int unit);
