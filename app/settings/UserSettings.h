#pragma once

#include <QtGlobal>

// The user's settings, read afresh every time they are needed; there is no cached copy.
// "Template" lives in the framework profile (organisation "Vornex", application "Brenmor Report
// Writer", section "Report Writer/Brenmor Report Writer"); "TempUnit" in the program key
// (organisation "VORNEX", application "Brenmor Report Writer"). On Windows these are the
// registry keys the settings have always used.

// 0 Maintenance, 1 Buildings; 0 when absent.
int GetTemplate();
// 0 Celsius, 1 Fahrenheit, 2 Kelvin; 0 when absent or unreadable, and any value above 2 reads as 1.
quint32 GetTempUnit();

// Writing; false when the settings store could not be written.
bool WriteTemplate(int value);
bool WriteTempUnit(quint32 value);
