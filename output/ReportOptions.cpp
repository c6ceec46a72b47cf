#include "ReportOptions.h"

ReportTemplate ReportTemplateFromSetting(int value)
{
    return value == int(ReportTemplate::Buildings) ? ReportTemplate::Buildings : ReportTemplate::Maintenance;
}

TemperatureUnit TemperatureUnitFromSetting(unsigned value)
{
    return value > 2 ? TemperatureUnit::Fahrenheit : TemperatureUnit(value);
}
