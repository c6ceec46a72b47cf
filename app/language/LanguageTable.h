#pragma once

#include <QLocale>
#include <QString>

// The languages the program knows, by index (the value of the "Language" setting and the position in
// the language dialog's list). Index 0 is the built-in English and needs no library.
constexpr int LanguageCount = 14;
constexpr int BuiltInEnglish = 0;

struct LanguageInfo
{
    const char* word; // in the library's file name, "QVX <word>"; null for the built-in English
    const char* key; // string 1156 of that library
    unsigned nameId; // the language's name in the language dialog
};

// The row of `index`, or nullptr outside 0..13.
const LanguageInfo* LanguageAt(int index);

// The language index for a Windows-style locale identifier: primary language in the low 10 bits,
// sublanguage above them.
int LanguageIndexForLocaleId(unsigned int localeId);

// The Windows-style locale identifier of a Qt locale, for the languages the table tells apart; any
// other language reads as a default sublanguage of an unknown primary language.
unsigned int LocaleIdOf(const QLocale& locale);

// The Qt language of a language index: the one Qt's own dialogs are translated into. English for
// index 0, the US English library and any index outside the table.
QLocale::Language QtLanguageOf(int index);

// "QVX <word>" plus the platform's shared library suffix, or an empty text for an index without a library.
QString LanguageLibraryFileName(int index);
