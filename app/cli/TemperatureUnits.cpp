#include "TemperatureUnits.h"

#include "snapshot/cQVX.h"

quint8 UnitCodeFor(const cQVX& snapshot, TemperatureUnit unit)
{
    switch (unit) {
    case TemperatureUnit::Celsius:
        return snapshot.celsiusCode;
    case TemperatureUnit::Fahrenheit:
        return snapshot.fahrenheitCode;
    case TemperatureUnit::Kelvin:
        return snapshot.kelvinCode;
    }
    return snapshot.celsiusCode;
}

QString UnitSymbol(TemperatureUnit unit)
{
    switch (unit) {
    case TemperatureUnit::Celsius:
        return "C";
    case TemperatureUnit::Fahrenheit:
        return "F";
    case TemperatureUnit::Kelvin:
        return "K";
    }
    return "C";
}

double FromCelsius(double celsius, TemperatureUnit unit)
{
    switch (unit) {
    case TemperatureUnit::Celsius:
        return celsius;
    case TemperatureUnit::Fahrenheit:
        return celsius * 1.8 + 32;
    case TemperatureUnit::Kelvin:
        return celsius + 273.15;
    }
    return celsius;
}
