#include "app/language/LanguageLoader.h"
#include "app/language/LanguageTable.h"
#include "app/strings/StringTable.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace {

struct Told
{
    LanguageProblem problem;
    QString fileName;
};

class LanguageLoaderTest : public testing::Test
{
protected:
    LoadedLanguage Load(const LanguageChoice& choice, const QString& folder)
    {
        return LoadLanguage(choice, folder, [this](LanguageProblem problem, const QString& fileName) {
            told.push_back({problem, fileName});
        });
    }

    // The program's folder, where the build puts the real Japanese library.
    static QString ProgramFolder() { return QCoreApplication::applicationDirPath(); }

    std::vector<Told> told;
};

TEST(ChooseLanguage, SettingInRangeWinsOverTheLocale)
{
    const LanguageChoice english = ChooseLanguage(0, 0x0411);
    EXPECT_EQ(english.index, 0);
    EXPECT_TRUE(english.chosenByUser);
    EXPECT_EQ(ChooseLanguage(13, 0x0409).index, 13);
}

TEST(ChooseLanguage, SettingOutOfRangeFallsBackToTheLocale)
{
    for (const int setting : {-1, 14, 1000}) {
        const LanguageChoice choice = ChooseLanguage(setting, 0x0411);
        EXPECT_EQ(choice.index, 6) << setting;
        EXPECT_FALSE(choice.chosenByUser) << setting;
    }
}

TEST_F(LanguageLoaderTest, BuiltInEnglishLoadsNothing)
{
    const LoadedLanguage loaded = Load({0, true}, ProgramFolder());
    EXPECT_EQ(loaded.language, 0);
    EXPECT_EQ(loaded.library, nullptr);
    EXPECT_TRUE(told.empty());
}

TEST_F(LanguageLoaderTest, JapaneseLibraryLoadsFromTheProgramFolder)
{
    const LoadedLanguage loaded = Load({6, true}, ProgramFolder());
    ASSERT_NE(loaded.library, nullptr);
    EXPECT_EQ(loaded.language, 6);
    EXPECT_TRUE(told.empty());
    const LanguageLibrary& library = *loaded.library;
    EXPECT_STREQ(library.String(1156), "JAPANESE");
    EXPECT_STREQ(library.String(1135), "OK");
    EXPECT_STREQ(library.String(1136), "キャンセル");
    EXPECT_STREQ(library.String(1154), "設定を有効にする為にプログラムを再起動して下さい。");
    EXPECT_STREQ(library.String(1155), "Language");
    EXPECT_STREQ(library.String(133), "未命名");
    EXPECT_STREQ(library.String(61205), "扉页");
    EXPECT_STREQ(library.String(61206), "图象选择");
    EXPECT_STREQ(library.String(61207), "检验数据");
    EXPECT_EQ(library.String(104), nullptr);
    EXPECT_EQ(library.StringFunction()(1137), library.String(1137));
}

TEST_F(LanguageLoaderTest, JapaneseLibraryTranslatesEveryStringOfTheProgram)
{
    const LoadedLanguage loaded = Load({6, true}, ProgramFolder());
    ASSERT_NE(loaded.library, nullptr);
    int translated = 0;
    for (unsigned int id = 0; id <= 0xFFFF; ++id) {
        if (EnglishString(id)) {
            const char* text = loaded.library->String(id);
            EXPECT_TRUE(text && *text) << "string " << id << " \"" << EnglishString(id) << "\"";
            ++translated;
        }
    }
    EXPECT_GT(translated, 150);
}

TEST_F(LanguageLoaderTest, JapaneseMenuKeepsTheCommandIds)
{
    const LoadedLanguage loaded = Load({6, true}, ProgramFolder());
    ASSERT_NE(loaded.library, nullptr);
    const auto menu = loaded.library->Menu(450);
    std::vector<std::pair<unsigned int, std::string>> rows;
    for (const QvxMenuItem& item : menu) {
        rows.emplace_back(item.commandId, item.text ? item.text : "-");
    }
    const std::vector<std::pair<unsigned int, std::string>> expected = {
        {0, "文件"},
        {2100, "新建"},
        {2101, "開く"},
        {2102, "保存"},
        {2103, "名前をつけて保存"},
        {0, "-"},
        {2170, "追跡表のエクスポート..."},
        {32820, "プロジェクトのパック..."},
        {0, "-"},
        {57665, "閉じる"},
        {0, "ツール"},
        {32799, "言語"},
        {32774, "テンプレート"},
        {32810, "レポート オプション..."},
        {2171, "重大度の基準..."},
        {0, "ヘルプ"},
        {57664, "Brenmor Report Writer のバージョン情報..."}};
    EXPECT_EQ(rows, expected);
    EXPECT_TRUE(loaded.library->Menu(451).empty());
}

TEST_F(LanguageLoaderTest, MissingLibraryOfTheLocaleStartsInEnglishSilently)
{
    QTemporaryDir empty;
    const LoadedLanguage loaded = Load(ChooseLanguage(-1, 0x0407), empty.path());
    EXPECT_EQ(loaded.language, 0);
    EXPECT_EQ(loaded.library, nullptr);
    EXPECT_TRUE(told.empty());
}

TEST_F(LanguageLoaderTest, MissingLibraryTheUserChoseIsToldThenEnglish)
{
    QTemporaryDir empty;
    const LoadedLanguage loaded = Load(ChooseLanguage(1, 0x0409), empty.path());
    EXPECT_EQ(loaded.language, 0);
    EXPECT_EQ(loaded.library, nullptr);
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0].problem, LanguageProblem::LibraryMissing);
    EXPECT_EQ(told[0].fileName, LanguageLibraryFileName(1));
}

TEST_F(LanguageLoaderTest, LibraryWithAnotherKeyIsRefused)
{
    for (const bool chosenByUser : {true, false}) {
        told.clear();
        const LoadedLanguage loaded = Load({6, chosenByUser}, QStringLiteral(FAKE_LANGUAGE_FOLDER));
        EXPECT_EQ(loaded.language, 0);
        EXPECT_EQ(loaded.library, nullptr);
        ASSERT_EQ(told.size(), 1u);
        EXPECT_EQ(told[0].problem, LanguageProblem::WrongLibrary);
        EXPECT_EQ(told[0].fileName, LanguageLibraryFileName(6));
    }
}

TEST_F(LanguageLoaderTest, LibraryWithoutStringsIsRefused)
{
    const LoadedLanguage loaded = Load({7, true}, QStringLiteral(FAKE_LANGUAGE_FOLDER));
    EXPECT_EQ(loaded.library, nullptr);
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0].problem, LanguageProblem::WrongLibrary);
}

// Where the libraries of an installed tree are looked for: the program in bin/, its libraries in a
// folder found from there. Which "QVX Japanese" library each layout holds beside the program and in
// that folder, and which of them loads.
enum class Copy { None, Real, WrongKey };

struct LibraryLayout
{
    const char* name;
    Copy besideProgram;
    Copy installed;
    bool loadsJapanese;
    std::optional<LanguageProblem> told;
};

void PrintTo(const LibraryLayout& layout, std::ostream* out)
{
    *out << layout.name;
}

class LanguageLibraryLayout : public LanguageLoaderTest, public testing::WithParamInterface<LibraryLayout>
{
protected:
    // Copies that library into `folder`, made on the way.
    static bool Place(Copy copy, const QString& folder)
    {
        if (copy == Copy::None) {
            return true;
        }
        const QString source = copy == Copy::Real ? ProgramFolder() : QStringLiteral(FAKE_LANGUAGE_FOLDER);
        const QString name = LanguageLibraryFileName(6);
        return QDir().mkpath(folder) && QFile::copy(QDir(source).filePath(name), QDir(folder).filePath(name));
    }
};

TEST_P(LanguageLibraryLayout, FindsTheLibraryBesideTheProgramFirst)
{
    const LibraryLayout& layout = GetParam();
    QTemporaryDir tree;
    const QString program = tree.filePath("bin");
    const QString installed = QDir::cleanPath(QDir(program).filePath(INSTALLED_LANGUAGE_FOLDER));
    ASSERT_TRUE(QDir().mkpath(program));
    ASSERT_TRUE(Place(layout.besideProgram, program));
    ASSERT_TRUE(Place(layout.installed, installed));

    const bool fromInstalled = layout.besideProgram == Copy::None && layout.installed != Copy::None;
    EXPECT_EQ(LanguageLibraryPath(program, LanguageLibraryFileName(6)),
              QDir(fromInstalled ? installed : program).filePath(LanguageLibraryFileName(6)));
    const LoadedLanguage loaded = Load({6, true}, program);
    EXPECT_EQ(loaded.library != nullptr, layout.loadsJapanese);
    EXPECT_EQ(loaded.language, layout.loadsJapanese ? 6 : 0);
    ASSERT_EQ(told.size(), layout.told ? 1u : 0u);
    if (layout.told) {
        EXPECT_EQ(told[0].problem, *layout.told);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Layouts,
    LanguageLibraryLayout,
    testing::Values(LibraryLayout {"only_installed", Copy::None, Copy::Real, true, std::nullopt},
                    LibraryLayout {"only_beside", Copy::Real, Copy::None, true, std::nullopt},
                    LibraryLayout {"beside_wins", Copy::WrongKey, Copy::Real, false, LanguageProblem::WrongLibrary},
                    LibraryLayout {"neither", Copy::None, Copy::None, false, LanguageProblem::LibraryMissing}),
    [](const testing::TestParamInfo<LibraryLayout>& info) { return std::string(info.param.name); });

} // namespace
