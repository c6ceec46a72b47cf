#pragma once

// The units temperatures are shown in, numbered as the settings store them:
// 0 Celsius, 1 Fahrenheit, 2 Kelvin.
enum class TemperatureUnit { Celsius, Fahrenheit, Kelvin };
