#pragma once

#include "app/language/LanguageLibrary.h"

#include <QList>
#include <QString>

#include <functional>
#include <memory>

struct LanguageChoice
{
    int index = 0;
    bool chosenByUser = false; // from the "Language" setting rather than from the user's locale
};

// The "Language" setting when it names a language, else the language of the locale identifier.
LanguageChoice ChooseLanguage(int languageSetting, unsigned int localeId);

// The same from the stored setting and the user's locale.
LanguageChoice ChooseLanguage();

struct LoadedLanguage
{
    int language = 0; // the language the program runs in
    std::unique_ptr<LanguageLibrary> library; // null for the built-in English
};

enum class LanguageProblem {
    LibraryMissing, // the library file could not be loaded
    WrongLibrary, // its key string is not the chosen language's
};

// Told the problem and the library's file name.
using LanguageProblemHandler = std::function<void(LanguageProblem, const QString& fileName)>;

// Where the library `fileName` is looked for: beside the program first (a build folder), then in the
// library folder of an installed tree, found relative to the program so that the tree can be moved.
// The path beside the program when neither has the file.
QString LanguageLibraryPath(const QString& programFolder, const QString& fileName);

// The languages the program can run in: the built-in English first, then, in index order, each
// language whose library is where LanguageLibraryPath looks.
QList<int> InstalledLanguages(const QString& programFolder);

// Loads the library of `choice` from where LanguageLibraryPath finds it. Whatever goes wrong, the
// program can still run in the built-in English, so that is the result of every failure. A library that is there but
// for another language is always told; a missing one only when the user chose the language, since most locales'
// languages have no library at all.
LoadedLanguage
LoadLanguage(const LanguageChoice& choice, const QString& programFolder, const LanguageProblemHandler& tellUser);

// Hands the loaded language to the string source for the rest of the run: its index and its
// library's strings, or the built-in English when it has no library.
void UseLoadedLanguage(const LoadedLanguage& loaded);
