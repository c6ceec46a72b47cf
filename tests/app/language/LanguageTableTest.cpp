#include "app/language/LanguageTable.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct LocaleCase
{
    unsigned int localeId;
    int index;
};

void PrintTo(const LocaleCase& c, std::ostream* os)
{
    *os << "locale 0x" << std::hex << c.localeId;
}

class LocaleLanguageTest : public testing::TestWithParam<LocaleCase>
{
};

TEST_P(LocaleLanguageTest, PrimaryLanguageAndSublanguageChooseTheIndex)
{
    EXPECT_EQ(LanguageIndexForLocaleId(GetParam().localeId), GetParam().index);
}

INSTANTIATE_TEST_SUITE_P(LocaleIds,
                         LocaleLanguageTest,
                         testing::Values(LocaleCase {0x0411, 6},
                                         LocaleCase {0x0409, 8},
                                         LocaleCase {0x0809, 0},
                                         LocaleCase {0x0407, 1},
                                         LocaleCase {0x0C07, 1},
                                         LocaleCase {0x040C, 2},
                                         LocaleCase {0x0C0A, 3},
                                         LocaleCase {0x0410, 4},
                                         LocaleCase {0x0804, 5},
                                         LocaleCase {0x0412, 7},
                                         LocaleCase {0x0416, 9},
                                         LocaleCase {0x0419, 10},
                                         LocaleCase {0x0413, 11},
                                         LocaleCase {0x0405, 12},
                                         LocaleCase {0x040D, 13},
                                         LocaleCase {0x0415, 8}, // Polish: another language, sublanguage 1
                                         LocaleCase {0x0000, 0}, // neutral
                                         LocaleCase {0x10409, 8}) // bits above the low 16 are not the sublanguage
);

struct QtLocaleCase
{
    const char* name;
    int index;
};

void PrintTo(const QtLocaleCase& c, std::ostream* os)
{
    *os << c.name;
}

class QtLocaleTest : public testing::TestWithParam<QtLocaleCase>
{
};

TEST_P(QtLocaleTest, QtLocaleMapsToTheLanguageOfItsLocaleId)
{
    EXPECT_EQ(LanguageIndexForLocaleId(LocaleIdOf(QLocale(QLatin1String(GetParam().name)))), GetParam().index)
        << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(QtLocales,
                         QtLocaleTest,
                         testing::Values(QtLocaleCase {"ja_JP", 6},
                                         QtLocaleCase {"en_US", 8},
                                         QtLocaleCase {"en_GB", 0},
                                         QtLocaleCase {"en_AU", 0},
                                         QtLocaleCase {"C", 8},
                                         QtLocaleCase {"de_CH", 1},
                                         QtLocaleCase {"fr_CA", 2},
                                         QtLocaleCase {"zh_TW", 5},
                                         QtLocaleCase {"pt_BR", 9},
                                         QtLocaleCase {"he_IL", 13},
                                         QtLocaleCase {"pl_PL", 8}));

TEST(LanguageTable, LocaleIdsOfEnglishCountries)
{
    EXPECT_EQ(LocaleIdOf(QLocale(QLocale::English, QLocale::UnitedStates)), 0x0409u);
    EXPECT_EQ(LocaleIdOf(QLocale(QLocale::English, QLocale::UnitedKingdom)), 0x0809u);
    EXPECT_EQ(LocaleIdOf(QLocale(QLocale::Japanese, QLocale::Japan)) & 0xFF, 0x11u);
}

TEST(LanguageTable, LibraryFileNames)
{
#if defined(Q_OS_WIN)
    const QString suffix = ".dll";
#elif defined(Q_OS_MACOS)
    const QString suffix = ".dylib";
#else
    const QString suffix = ".so";
#endif
    EXPECT_EQ(LanguageLibraryFileName(6), "QVX Japanese" + suffix);
    EXPECT_EQ(LanguageLibraryFileName(8), "QVX US" + suffix);
    EXPECT_EQ(LanguageLibraryFileName(13), "QVX Hebrew" + suffix);
    EXPECT_TRUE(LanguageLibraryFileName(0).isEmpty());
    EXPECT_TRUE(LanguageLibraryFileName(14).isEmpty());
    EXPECT_TRUE(LanguageLibraryFileName(-1).isEmpty());
}

} // namespace
