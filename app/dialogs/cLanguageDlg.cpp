#include "app/dialogs/cLanguageDlg.h"

#include "app/gui/MessageBox.h"
#include "app/language/LanguageTable.h"
#include "app/settings/Settings.h"
#include "app/settings/SettingsMessages.h"
#include "app/strings/StringIds.h"
#include "app/strings/StringSource.h"

namespace {

QStringList LanguageNames(const QList<int>& languages)
{
    QStringList names;
    for (const int index : languages) {
        names << LoadAppString(LanguageAt(index)->nameId);
    }
    return names;
}

} // namespace

cLanguageDlg::cLanguageDlg(int runningLanguage, const QList<int>& languages, QWidget* parent)
    : SettingChoiceDlg(
          LoadAppString(StringId::Language),
          LanguageNames(languages),
          int(languages.indexOf(runningLanguage)),
          [languages](int position) {
              const int chosen = languages.value(position, BuiltInEnglish);
              // The language is loaded once at start-up.
              if (chosen != GetLanguageSetting() && SetLanguageSetting(chosen)) {
                  MessageBoxId(StringId::RestartToApply, IconInformation, ButtonsOk);
              }
          },
          parent)
{
    setObjectName(QStringLiteral("cLanguageDlg"));
}
