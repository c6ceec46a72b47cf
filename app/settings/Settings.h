#pragma once

#include "report/ReportTemplate.h"
#include "snapshot/TemperatureUnit.h"
#include <QByteArray>

// The program's per-user settings: language, report template, temperature unit and report options. They are read
// afresh on every call; nothing is cached, so a change made in one place is seen everywhere.

enum class SettingWrite {
    Written,
    KeyUnavailable, // the store could not be opened for writing
    WriteFailed, // the store was open but the value did not reach it
};

// The "Language" profile value: a language index, -1 when never chosen.
int GetLanguageSetting();
SettingWrite WriteLanguageSetting(int language);

// The "Template" profile value: 0 Maintenance, 1 Buildings; 0 when never chosen.
int GetTemplate();
SettingWrite WriteTemplate(int reportTemplate);

// The "TempUnit" value of the program key: 0 Celsius, 1 Fahrenheit, 2 Kelvin. A missing or unreadable
// value reads as 0; a value above 2 reads as 1.
int GetTempUnit();
SettingWrite WriteTempUnit(int unit);

// The template and unit settings as the values of a project: what a new project takes, and what a
// project whose file states none is shown and printed in.
ReportTemplate TemplateSetting();
TemperatureUnit TempUnitSetting();

// The "CommonScale" profile value, beside the template: whether every thermal picture of a report
// shares one colour scale. Off when never chosen.
bool GetCommonScale();
SettingWrite WriteCommonScale(bool common);
// The "SeverityCriteria" value of the program key: the severity criteria last chosen, which new
// projects take, in the bytes the project file stores them in. Empty when never chosen.
QByteArray GetSeverityCriteriaSetting();
SettingWrite WriteSeverityCriteriaSetting(const QByteArray& criteria);
