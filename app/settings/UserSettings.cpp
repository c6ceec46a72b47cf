#include "UserSettings.h"

#include <QSettings>

namespace {

constexpr quint32 Fahrenheit = 1;
constexpr quint32 HighestUnit = 2;

QSettings FrameworkProfile()
{
    return QSettings(QSettings::NativeFormat,
                     QSettings::UserScope,
                     QStringLiteral("Vornex"),
                     QStringLiteral("Brenmor Report Writer"));
}

QSettings ProgramKey()
{
    return QSettings(QSettings::NativeFormat,
                     QSettings::UserScope,
                     QStringLiteral("VORNEX"),
                     QStringLiteral("Brenmor Report Writer"));
}

const QString TemplateName = QStringLiteral("Report Writer/Brenmor Report Writer/Template");
const QString TempUnitName = QStringLiteral("TempUnit");

bool Written(QSettings& settings)
{
    settings.sync();
    return settings.status() == QSettings::NoError;
}

} // namespace

int GetTemplate()
{
    bool ok = false;
    const int value = FrameworkProfile().value(TemplateName).toInt(&ok);
    return ok ? value : 0;
}

quint32 GetTempUnit()
{
    bool ok = false;
    const quint32 value = ProgramKey().value(TempUnitName).toUInt(&ok);
    if (!ok) {
        return 0;
    }
    return value > HighestUnit ? Fahrenheit : value;
}

bool WriteTemplate(int value)
{
    QSettings settings = FrameworkProfile();
    settings.setValue(TemplateName, value);
    return Written(settings);
}

bool WriteTempUnit(quint32 value)
{
    QSettings settings = ProgramKey();
    settings.setValue(TempUnitName, value);
    return Written(settings);
}
