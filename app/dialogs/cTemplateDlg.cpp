#include "app/dialogs/cTemplateDlg.h"

#include "app/settings/Settings.h"
#include "app/settings/SettingsMessages.h"
#include "app/strings/StringIds.h"
#include "app/strings/StringSource.h"

cTemplateDlg::cTemplateDlg(QWidget* parent)
    : SettingChoiceDlg(LoadAppString(StringId::Template),
                       {LoadAppString(StringId::Maintenance), LoadAppString(StringId::Buildings)},
                       GetTemplate(),
                       {&GetTemplate, &SetTemplate},
                       parent)
{
    setObjectName(QStringLiteral("cTemplateDlg"));
}
