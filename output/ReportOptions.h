#pragma once

#include "snapshot/TemperatureUnit.h"

// The two report templates, numbered as the settings store them.
enum class ReportTemplate { Maintenance = 0, Buildings = 1 };

struct ReportOptions
{
    ReportTemplate reportTemplate = ReportTemplate::Maintenance;
    TemperatureUnit unit = TemperatureUnit::Celsius;
    // Every thermal picture over one temperature range, so a colour reads the same on every page.
    bool commonScale = false;
};

// Any stored value other than 1 is the Maintenance template.
ReportTemplate ReportTemplateFromSetting(int value);
// Celsius, Fahrenheit or Kelvin for 0, 1, 2; anything else reads as Fahrenheit like the setting.
TemperatureUnit TemperatureUnitFromSetting(unsigned value);
