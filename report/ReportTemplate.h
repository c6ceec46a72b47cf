#pragma once

// The two report templates, numbered as the settings and the project file store them.
enum class ReportTemplate { Maintenance = 0, Buildings = 1 };

// Any stored value other than 1 is the Maintenance template.
inline ReportTemplate ReportTemplateFromSetting(int value)
{
    return value == int(ReportTemplate::Buildings) ? ReportTemplate::Buildings : ReportTemplate::Maintenance;
}
