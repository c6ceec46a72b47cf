#include "app/strings/StringSource.h"
#include "app/strings/StringIds.h"
#include "app/strings/StringTable.h"
#include "tests/support/StringSourceGuard.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

namespace {

// Every id the program loads while it runs; a language library must carry the same set.
std::vector<unsigned> LoadedIds()
{
    std::vector<unsigned> ids {3, 11, 133, 134, 177, 214, 280, 1058, 1088, 1093, 1109, 1110, 1129, 1143, 1159};
    const std::pair<unsigned, unsigned> ranges[] = {{31, 66},
                                                    {68, 103},
                                                    {105, 126},
                                                    {190, 202},
                                                    {300, 304},
                                                    {451, 453},
                                                    {455, 457},
                                                    {1135, 1138},
                                                    {1145, 1156},
                                                    {2000, 2002},
                                                    {61205, 61207}};
    for (const auto& [first, last] : ranges) {
        for (unsigned id = first; id <= last; ++id) {
            ids.push_back(id);
        }
    }
    return ids;
}

// A language library that knows three strings, one of them empty.
const char* SmallLibrary(unsigned id)
{
    switch (id) {
    case StringId::Ok:
        return "オーケー";
    case StringId::LanguageKey:
        return "JAPANESE";
    case StringId::Cancel:
        return "";
    default:
        return nullptr;
    }
}

class StringSourceTest : public testing::Test
{
protected:
    StringSourceGuard guard;
};

TEST_F(StringSourceTest, EveryLoadedIdHasAnEnglishText)
{
    for (unsigned id : LoadedIds()) {
        EXPECT_FALSE(LoadAppString(id).isEmpty()) << "string " << id;
    }
}

TEST_F(StringSourceTest, EnglishTextsAreUtf8)
{
    EXPECT_EQ(LoadAppString(StringId::French), QString::fromUtf8("Français"));
    EXPECT_EQ(LoadAppString(StringId::Hebrew),
              QString(QChar(0x05E2)) + QChar(0x05D1) + QChar(0x05E8) + QChar(0x05D9) + QChar(0x05EA));
    EXPECT_EQ(LoadAppString(StringId::MaterialValue), QString::fromUtf8("Material \u00B5 Value"));
}

TEST_F(StringSourceTest, AnUnknownIdLoadsEmpty)
{
    EXPECT_TRUE(LoadAppString(4).isEmpty());
    EXPECT_TRUE(LoadAppString(99999).isEmpty());
}

TEST_F(StringSourceTest, WithoutALibraryTheCurrentModuleNeverChanges)
{
    SetUseLanguageLibrary(true); // chosen, but nothing loaded
    EXPECT_EQ(LoadAppString(StringId::Ok), "OK");
    UseLanguageResources();
    EXPECT_EQ(StringSource().currentModule, StringModule::Own);
    EXPECT_EQ(LoadAppString(StringId::Untitled), "Untitled");
}

TEST_F(StringSourceTest, ALibraryInUseGivesItsTextsAndNoEnglishFallback)
{
    SetLanguageLibrary(SmallLibrary);
    SetUseLanguageLibrary(true);
    EXPECT_EQ(LoadAppString(StringId::Ok), QString::fromUtf8("オーケー"));
    EXPECT_EQ(LoadAppString(StringId::LanguageKey), "JAPANESE");
    EXPECT_TRUE(LoadAppString(StringId::Cancel).isEmpty());
    EXPECT_TRUE(LoadAppString(StringId::Untitled).isEmpty());
    // The library is read for the one load only.
    EXPECT_EQ(StringSource().currentModule, StringModule::Own);
}

TEST_F(StringSourceTest, ALoadedLibraryNotInUseIsReadOnlyWhileItIsCurrent)
{
    SetLanguageLibrary(SmallLibrary);
    EXPECT_EQ(LoadAppString(StringId::Ok), "OK");
    UseLanguageResources();
    EXPECT_EQ(LoadAppString(StringId::Ok), QString::fromUtf8("オーケー"));
    UseOwnResources();
    EXPECT_EQ(LoadAppString(StringId::Ok), "OK");
}

TEST_F(StringSourceTest, UnloadingTheLibraryReturnsToOwnStrings)
{
    SetLanguageLibrary(SmallLibrary);
    UseLanguageResources();
    SetLanguageLibrary(nullptr);
    EXPECT_EQ(StringSource().currentModule, StringModule::Own);
    EXPECT_EQ(LoadAppString(StringId::Ok), "OK");
}

} // namespace

TEST_F(StringSourceTest, AWorkerReadsTheCopyItWasGivenWhateverTheGuiThreadSwitches)
{
    SetLanguageLibrary(&SmallLibrary);
    SetUseLanguageLibrary(true);
    const StringSourceState captured = StringSource();
    // The GUI thread goes back to English after handing the work over.
    SetUseLanguageLibrary(false);
    UseOwnResources();

    QString onWorker;
    std::thread worker([&] {
        const ThreadStringSource strings(captured);
        onWorker = LoadAppString(StringId::Ok);
    });
    worker.join();
    EXPECT_EQ(onWorker, QStringLiteral("オーケー"));
    EXPECT_EQ(LoadAppString(StringId::Ok), QString::fromUtf8(EnglishString(StringId::Ok)));
}
