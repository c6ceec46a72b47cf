#include "app/dialogs/cLanguageDlg.h"

#include "app/gui/MessageBox.h"
#include "app/language/LanguageTable.h"
#include "app/settings/Settings.h"
#include "app/settings/SettingsMessages.h"
#include "app/strings/StringIds.h"
#include "app/strings/StringSource.h"

namespace {

QStringList LanguageNames()
{
    QStringList names;
    for (int index = 0; index < LanguageCount; ++index) {
        names << LoadAppString(LanguageAt(index)->nameId);
    }
    return names;
}

} // namespace

cLanguageDlg::cLanguageDlg(int runningLanguage, QWidget* parent)
    : SettingChoiceDlg(
          LoadAppString(StringId::Language),
          LanguageNames(),
          runningLanguage,
          [](int chosen) {
              // The language is loaded once at start-up.
              if (chosen != GetLanguageSetting() && SetLanguageSetting(chosen)) {
                  MessageBoxId(StringId::RestartToApply, IconInformation, ButtonsOk);
              }
          },
          parent)
{
    setObjectName(QStringLiteral("cLanguageDlg"));
}
