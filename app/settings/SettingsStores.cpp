#include "app/settings/SettingsStores.h"

std::unique_ptr<QSettings> OpenFrameworkProfile()
{
    return std::make_unique<QSettings>(QSettings::NativeFormat,
                                       QSettings::UserScope,
                                       QStringLiteral("Vornex"),
                                       QStringLiteral("Brenmor Report Writer"));
}

std::unique_ptr<QSettings> OpenProgramKey()
{
    return std::make_unique<QSettings>(QSettings::NativeFormat,
                                       QSettings::UserScope,
                                       QStringLiteral("VORNEX"),
                                       QStringLiteral("Brenmor Report Writer"));
}
