#pragma once

#include <QString>

#include <memory>

class QTranslator;

// Qt's own translations (file, colour and standard dialogs) for the language of the run, from the
// folder Qt keeps them in. Nothing for English, or when Qt has no translation for the language;
// the translator stays installed while the returned object lives.
std::unique_ptr<QTranslator> InstallQtTranslations(int language, const QString& folder);

// The folder of this Qt's translations.
QString QtTranslationsFolder();
