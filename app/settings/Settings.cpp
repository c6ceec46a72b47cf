#include "app/settings/Settings.h"

#include "app/settings/SettingsStores.h"

namespace {

constexpr const char* LanguageName = "Language";
constexpr const char* TemplateName = "Template";
constexpr const char* TempUnitName = "TempUnit";
constexpr const char* CommonScaleName = "CommonScale";
constexpr const char* SeverityCriteriaName = "SeverityCriteria";

QString ProfileKey(const char* name)
{
    return QStringLiteral("%1/%2").arg(QLatin1String(ProfileSection), QLatin1String(name));
}

int ReadInteger(const QSettings& store, const QString& key, int absent)
{
    bool ok = false;
    const int value = store.value(key).toInt(&ok);
    return ok ? value : absent;
}

SettingWrite WriteValue(QSettings& store, const QString& key, const QVariant& value)
{
    if (!store.isWritable()) {
        return SettingWrite::KeyUnavailable;
    }
    store.setValue(key, value);
    store.sync();
    return store.status() == QSettings::NoError ? SettingWrite::Written : SettingWrite::WriteFailed;
}

} // namespace

int GetLanguageSetting()
{
    return ReadInteger(*OpenFrameworkProfile(), ProfileKey(LanguageName), -1);
}

SettingWrite WriteLanguageSetting(int language)
{
    return WriteValue(*OpenFrameworkProfile(), ProfileKey(LanguageName), language);
}

int GetTemplate()
{
    return ReadInteger(*OpenFrameworkProfile(), ProfileKey(TemplateName), 0);
}

SettingWrite WriteTemplate(int reportTemplate)
{
    return WriteValue(*OpenFrameworkProfile(), ProfileKey(TemplateName), reportTemplate);
}

int GetTempUnit()
{
    const auto store = OpenProgramKey();
    bool ok = false;
    const qlonglong stored = store->value(QLatin1String(TempUnitName)).toLongLong(&ok);
    if (!ok) {
        return 0;
    }
    // The value is a 32-bit DWORD compared unsigned, so a negative value stored by hand reads as Fahrenheit.
    const auto value = static_cast<quint32>(stored);
    return value > 2 ? 1 : static_cast<int>(value);
}

SettingWrite WriteTempUnit(int unit)
{
    return WriteValue(*OpenProgramKey(), QLatin1String(TempUnitName), unit);
}

QByteArray GetSeverityCriteriaSetting()
{
    return OpenProgramKey()->value(QLatin1String(SeverityCriteriaName)).toByteArray();
}

SettingWrite WriteSeverityCriteriaSetting(const QByteArray& criteria)
{
    return WriteValue(*OpenProgramKey(), QLatin1String(SeverityCriteriaName), criteria);
}

ReportTemplate TemplateSetting()
{
    return ReportTemplateFromSetting(GetTemplate());
}

TemperatureUnit TempUnitSetting()
{
    return TemperatureUnitFromSetting(unsigned(GetTempUnit()));
}

bool GetCommonScale()
{
    return ReadInteger(*OpenFrameworkProfile(), ProfileKey(CommonScaleName), 0) != 0;
}

SettingWrite WriteCommonScale(bool common)
{
    return WriteValue(*OpenFrameworkProfile(), ProfileKey(CommonScaleName), common ? 1 : 0);
}
