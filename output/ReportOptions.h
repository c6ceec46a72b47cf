#pragma once

#include "report/ReportTemplate.h"
#include "snapshot/TemperatureUnit.h"

// What a report is printed with: the project's template and temperature unit, or the ones a
// caller chose instead.
struct ReportOptions
{
    ReportTemplate reportTemplate = ReportTemplate::Maintenance;
    TemperatureUnit unit = TemperatureUnit::Celsius;
};
