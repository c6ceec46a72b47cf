#include "app/settings/SettingsMessages.h"

#include "app/gui/MessageBox.h"
#include "app/settings/Settings.h"
#include "app/strings/StringIds.h"

namespace {

bool ToldIfFailed(SettingWrite written)
{
    if (written == SettingWrite::Written) {
        return true;
    }
    MessageBoxId(StringId::ErrorWritingSetting, IconError, ButtonsOk);
    return false;
}

} // namespace

bool SetLanguageSetting(int language)
{
    return ToldIfFailed(WriteLanguageSetting(language));
}

bool SetTemplate(int reportTemplate)
{
    return ToldIfFailed(WriteTemplate(reportTemplate));
}

bool SetCommonScale(bool common)
{
    return ToldIfFailed(WriteCommonScale(common));
}

bool SetSeverityCriteriaSetting(const QByteArray& criteria)
{
    return ToldIfFailed(WriteSeverityCriteriaSetting(criteria));
}

bool SetTempUnit(int unit)
{
    switch (WriteTempUnit(unit)) {
    case SettingWrite::Written:
        return true;
    case SettingWrite::KeyUnavailable:
        MessageBoxId(StringId::CannotOpenKeyForTempUnit, IconExclamation, ButtonsOk);
        return false;
    case SettingWrite::WriteFailed:
        MessageBoxId(StringId::CannotWriteTempUnit, IconExclamation, ButtonsOk);
        return false;
    }
    return false;
}
