#pragma once

// The units temperatures are shown in, numbered as the settings store them:
// 0 Celsius, 1 Fahrenheit, 2 Kelvin.
enum class TemperatureUnit { Celsius, Fahrenheit, Kelvin };

// Celsius, Fahrenheit or Kelvin for 0, 1, 2; anything else reads as Fahrenheit like the setting.
inline TemperatureUnit TemperatureUnitFromSetting(unsigned value)
{
    return value > 2 ? TemperatureUnit::Fahrenheit : TemperatureUnit(value);
}
