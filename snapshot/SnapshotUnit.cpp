#include "SnapshotUnit.h"

quint8 SnapshotUnitCode(const SnapshotHeader& snapshot, TemperatureUnit unit)
{
    switch (unit) {
    case TemperatureUnit::Fahrenheit:
        return snapshot.fahrenheitCode;
    case TemperatureUnit::Kelvin:
        return snapshot.kelvinCode;
    case TemperatureUnit::Celsius:
        break;
    }
    return snapshot.celsiusCode;
}

void UseTemperatureUnit(SnapshotHeader& snapshot, TemperatureUnit unit)
{
    snapshot.unitCode = SnapshotUnitCode(snapshot, unit);
}

double FromCelsius(double celsius, TemperatureUnit unit)
{
    switch (unit) {
    case TemperatureUnit::Fahrenheit:
        return celsius * 1.8 + 32;
    case TemperatureUnit::Kelvin:
        return celsius + 273.15;
    case TemperatureUnit::Celsius:
        break;
    }
    return celsius;
}

double FromKelvin(double kelvin, TemperatureUnit unit)
{
    switch (unit) {
    case TemperatureUnit::Fahrenheit:
        return (kelvin - 273.15) * 1.8 + 32;
    case TemperatureUnit::Kelvin:
        return kelvin;
    case TemperatureUnit::Celsius:
        break;
    }
    return kelvin - 273.15;
}

double ToKelvin(double value, TemperatureUnit unit)
{
    switch (unit) {
    case TemperatureUnit::Fahrenheit:
        return (value - 32) / 1.8 + 273.15;
    case TemperatureUnit::Kelvin:
        return value;
    case TemperatureUnit::Celsius:
        break;
    }
    return value + 273.15;
}

float ReflectedTemperature(qint16 reflectedTemp, TemperatureUnit unit)
{
    const float celsius = float(reflectedTemp) / 100.0f;
    switch (unit) {
    case TemperatureUnit::Fahrenheit:
        return celsius * 1.8f + 32.0f;
    case TemperatureUnit::Kelvin:
        return celsius + 273.15f;
    case TemperatureUnit::Celsius:
        break;
    }
    return celsius;
}
