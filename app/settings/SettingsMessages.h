#pragma once

#include <QByteArray>

// Writing a setting and telling the user when it fails. Each returns whether the value was written.

// "Error writing setting to registry." on failure.
bool SetLanguageSetting(int language);
bool SetTemplate(int reportTemplate);
bool SetCommonScale(bool common);
bool SetSeverityCriteriaSetting(const QByteArray& criteria);

// "Could not open registry key to save the temperature unit" or "Could not write temperature unit to
// the registry" on failure.
bool SetTempUnit(int unit);
