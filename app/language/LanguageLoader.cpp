#include "app/language/LanguageLoader.h"

#include "app/language/LanguageTable.h"
#include "app/settings/Settings.h"
#include "app/strings/StringSource.h"

#include <QDir>
#include <QFileInfo>

namespace {

constexpr unsigned int LanguageKeyId = 1156;

} // namespace

QString LanguageLibraryPath(const QString& programFolder, const QString& fileName)
{
    const QDir folder(programFolder);
    const QString beside = folder.filePath(fileName);
    if (QFileInfo::exists(beside)) {
        return beside;
    }
    const QString installed = QDir::cleanPath(folder.filePath(QStringLiteral(THERMREPORT_INSTALLED_LANGUAGE_FOLDER)));
    const QString inTree = QDir(installed).filePath(fileName);
    return QFileInfo::exists(inTree) ? inTree : beside;
}

QList<int> InstalledLanguages(const QString& programFolder)
{
    QList<int> installed {BuiltInEnglish};
    for (int index = BuiltInEnglish + 1; index < LanguageCount; ++index) {
        const QString fileName = LanguageLibraryFileName(index);
        if (!fileName.isEmpty() && QFileInfo::exists(LanguageLibraryPath(programFolder, fileName))) {
            installed << index;
        }
    }
    return installed;
}

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

LoadedLanguage
LoadLanguage(const LanguageChoice& choice, const QString& programFolder, const LanguageProblemHandler& tellUser)
{
    const QString fileName = LanguageLibraryFileName(choice.index);
    if (fileName.isEmpty()) {
        return {};
    }
    auto library = std::make_unique<LanguageLibrary>();
    if (!library->Load(LanguageLibraryPath(programFolder, fileName))) {
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

void UseLoadedLanguage(const LoadedLanguage& loaded)
{
    SetLanguage(loaded.language);
    SetLanguageLibrary(loaded.library ? loaded.library->StringFunction() : nullptr);
    SetUseLanguageLibrary(loaded.library != nullptr);
}
