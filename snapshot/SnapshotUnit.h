#pragma once

#include "SnapshotHeader.h"
#include "TemperatureUnit.h"

// The snapshot's own code for a unit: old and new files number the units differently.
inline quint8 SnapshotUnitCode(const SnapshotHeader& snapshot, TemperatureUnit unit)
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
