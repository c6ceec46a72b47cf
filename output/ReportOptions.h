#pragma once

// The two report templates and three temperature units, numbered as the settings store them.
enum class ReportTemplate { Maintenance = 0, Buildings = 1 };

// 0 Celsius, 1 Fahrenheit, 2 Kelvin. Written token for token like the command line's own
// declaration of the same type, which the program also links.
enum class TemperatureUnit { Celsius, Fahrenheit, Kelvin };

struct ReportOptions
{
    ReportTemplate reportTemplate = ReportTemplate::Maintenance;
    TemperatureUnit unit = TemperatureUnit::Celsius;
};

// Any stored value other than 1 is the Maintenance template.
ReportTemplate ReportTemplateFromSetting(int value);
// Celsius, Fahrenheit or Kelvin for 0, 1, 2; anything else reads as Fahrenheit like the setting.
TemperatureUnit TemperatureUnitFromSetting(unsigned value);
