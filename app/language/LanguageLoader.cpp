#include "app/language/LanguageLoader.h"

#include "app/language/LanguageTable.h"
#include "app/settings/Settings.h"

#include <QDir>

namespace {

constexpr unsigned int LanguageKeyId = 1156;

} // namespace

LanguageChoice ChooseLanguage(int languageSetting, unsigned int localeId)
{
    if (LanguageAt(languageSetting)) {
        return {languageSetting, true};
    }
    return {LanguageIndexForLocaleId(localeId), false};
}

LanguageChoice ChooseLanguage()
{
    return ChooseLanguage(GetLanguageSetting(), LocaleIdOf(QLocale::system()));
}

LoadedLanguage LoadLanguage(const LanguageChoice& choice, const QString& folder, const LanguageProblemHandler& tellUser)
{
    const QString fileName = LanguageLibraryFileName(choice.index);
    if (fileName.isEmpty()) {
        return {};
    }
    auto library = std::make_unique<LanguageLibrary>();
    if (!library->Load(QDir(folder).filePath(fileName))) {
        if (choice.chosenByUser) {
            tellUser(LanguageProblem::LibraryMissing, fileName);
        }
        return {};
    }
    const char* key = library->String(LanguageKeyId);
    if (!key || QString::fromUtf8(key) != QLatin1String(LanguageAt(choice.index)->key)) {
        tellUser(LanguageProblem::WrongLibrary, fileName);
        return {};
    }
    return {choice.index, std::move(library)};
}
