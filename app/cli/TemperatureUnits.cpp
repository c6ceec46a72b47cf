#include "TemperatureUnits.h"

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
