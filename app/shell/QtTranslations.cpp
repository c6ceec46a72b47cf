#include "app/shell/QtTranslations.h"

#include "app/language/LanguageTable.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

std::unique_ptr<QTranslator> InstallQtTranslations(int language, const QString& folder)
{
    const QLocale::Language qtLanguage = QtLanguageOf(language);
    if (qtLanguage == QLocale::English) {
        return nullptr;
    }
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QLocale(qtLanguage), QStringLiteral("qtbase"), QStringLiteral("_"), folder) ||
        !QCoreApplication::installTranslator(translator.get())) {
        return nullptr;
    }
    return translator;
}

QString QtTranslationsFolder()
{
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}
