#include "app/language/LanguageTable.h"

#include "app/strings/StringIds.h"

#include <array>

namespace {

constexpr std::array<LanguageInfo, LanguageCount> Languages = {{
    {nullptr, nullptr, StringId::English},
    {"German", "GERMAN", StringId::German},
    {"French", "FRENCH", StringId::French},
    {"Spanish", "SPANISH", StringId::Spanish},
    {"Italian", "ITALIAN", StringId::Italian},
    {"Chinese", "CHINESE", StringId::Chinese},
    {"Japanese", "JAPANESE", StringId::Japanese},
    {"Korean", "KOREAN", StringId::Korean},
    {"US", "USA", StringId::UsEnglish},
    {"Portuguese", "PORTUGUESE", StringId::Portuguese},
    {"Russian", "RUSSIAN", StringId::Russian},
    {"Dutch", "DUTCH", StringId::Dutch},
    {"Czech", "CZECH", StringId::Czech},
    {"Hebrew", "HEBREW", StringId::Hebrew},
}};

struct PrimaryLanguage
{
    QLocale::Language qtLanguage;
    unsigned int primary; // the Windows primary language byte
    int index; // the language chosen for it
};

constexpr PrimaryLanguage PrimaryLanguages[] = {
    {QLocale::Chinese, 0x04, 5},
    {QLocale::Czech, 0x05, 12},
    {QLocale::German, 0x07, 1},
    {QLocale::Spanish, 0x0A, 3},
    {QLocale::French, 0x0C, 2},
    {QLocale::Hebrew, 0x0D, 13},
    {QLocale::Italian, 0x10, 4},
    {QLocale::Japanese, 0x11, 6},
    {QLocale::Korean, 0x12, 7},
    {QLocale::Dutch, 0x13, 11},
    {QLocale::Portuguese, 0x16, 9},
    {QLocale::Russian, 0x19, 10},
};

constexpr unsigned int PrimaryEnglish = 0x09;
constexpr unsigned int SublanguageDefault = 1;

// English sublanguages by country; 1 is the United States.
struct EnglishCountry
{
    QLocale::Territory territory;
    unsigned int sublanguage;
};

constexpr EnglishCountry EnglishCountries[] = {
    {QLocale::UnitedStates, 1},
    {QLocale::UnitedKingdom, 2},
    {QLocale::Australia, 3},
    {QLocale::Canada, 4},
    {QLocale::NewZealand, 5},
    {QLocale::Ireland, 6},
    {QLocale::SouthAfrica, 7},
    {QLocale::Jamaica, 8},
    {QLocale::Belize, 10},
    {QLocale::TrinidadAndTobago, 11},
    {QLocale::Zimbabwe, 12},
    {QLocale::Philippines, 13},
    {QLocale::India, 16},
    {QLocale::Malaysia, 17},
    {QLocale::Singapore, 18},
};

unsigned int LocaleId(unsigned int primary, unsigned int sublanguage)
{
    return primary | (sublanguage << 10);
}

} // namespace

const LanguageInfo* LanguageAt(int index)
{
    return index >= 0 && index < LanguageCount ? &Languages[static_cast<std::size_t>(index)] : nullptr;
}

QLocale::Language QtLanguageOf(int index)
{
    for (const PrimaryLanguage& language : PrimaryLanguages) {
        if (language.index == index) {
            return language.qtLanguage;
        }
    }
    return QLocale::English;
}

int LanguageIndexForLocaleId(unsigned int localeId)
{
    const unsigned int primary = localeId & 0xFF;
    for (const auto& language : PrimaryLanguages) {
        if (language.primary == primary) {
            return language.index;
        }
    }
    const unsigned int sublanguage = (localeId & 0xFFFF) >> 10;
    return sublanguage == 1 ? 8 : BuiltInEnglish;
}

unsigned int LocaleIdOf(const QLocale& locale)
{
    // The C locale follows United States conventions.
    if (locale.language() == QLocale::C) {
        return LocaleId(PrimaryEnglish, 1);
    }
    if (locale.language() == QLocale::English) {
        for (const auto& country : EnglishCountries) {
            if (country.territory == locale.territory()) {
                return LocaleId(PrimaryEnglish, country.sublanguage);
            }
        }
        return LocaleId(PrimaryEnglish, 0);
    }
    for (const auto& language : PrimaryLanguages) {
        if (language.qtLanguage == locale.language()) {
            return LocaleId(language.primary, SublanguageDefault);
        }
    }
    return LocaleId(0, SublanguageDefault);
}

QString LanguageLibraryFileName(int index)
{
    const LanguageInfo* language = LanguageAt(index);
    if (!language || !language->word) {
        return {};
    }
#if defined(Q_OS_WIN)
    const auto suffix = QLatin1String(".dll");
#elif defined(Q_OS_MACOS)
    const auto suffix = QLatin1String(".dylib");
#else
    const auto suffix = QLatin1String(".so");
#endif
    return QStringLiteral("QVX ") + QLatin1String(language->word) + suffix;
}
