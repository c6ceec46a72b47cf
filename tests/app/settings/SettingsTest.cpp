#include "app/settings/Settings.h"
#include "app/settings/SettingsStores.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

class SettingsTest : public testing::Test
{
protected:
    void SetUp() override
    {
        for (const auto& store : {OpenFrameworkProfile(), OpenProgramKey()}) {
            const QString path = store->fileName();
            store->clear();
            store->sync();
            QFile::remove(path);
            QDir(path).removeRecursively();
        }
    }

    void TearDown() override { SetUp(); }

    static void StoreTempUnit(const QVariant& value)
    {
        const auto key = OpenProgramKey();
        key->setValue(QStringLiteral("TempUnit"), value);
        key->sync();
    }

    // A folder where the store's file belongs makes every write fail, even for root.
    static void BlockStore(const QSettings& store) { ASSERT_TRUE(QDir().mkpath(store.fileName())); }
};

TEST_F(SettingsTest, FirstStartReadsDefaultsWithoutCreatingAnything)
{
    EXPECT_EQ(GetLanguageSetting(), -1);
    EXPECT_EQ(GetTemplate(), 0);
    EXPECT_EQ(GetTempUnit(), 0);
    EXPECT_FALSE(GetCommonScale());
    EXPECT_FALSE(QFileInfo::exists(OpenProgramKey()->fileName()));
    EXPECT_FALSE(QFileInfo::exists(OpenFrameworkProfile()->fileName()));
}

TEST_F(SettingsTest, WrittenValuesReadBack)
{
    EXPECT_EQ(WriteLanguageSetting(6), SettingWrite::Written);
    EXPECT_EQ(WriteTemplate(1), SettingWrite::Written);
    EXPECT_EQ(WriteTempUnit(2), SettingWrite::Written);
    EXPECT_EQ(WriteCommonScale(true), SettingWrite::Written);
    EXPECT_EQ(GetLanguageSetting(), 6);
    EXPECT_EQ(GetTemplate(), 1);
    EXPECT_EQ(GetTempUnit(), 2);
    EXPECT_TRUE(GetCommonScale());
    EXPECT_EQ(OpenFrameworkProfile()->value(QStringLiteral("Report Writer/Brenmor Report Writer/CommonScale")).toInt(),
              1);
    EXPECT_EQ(WriteCommonScale(false), SettingWrite::Written);
    EXPECT_FALSE(GetCommonScale());
}

TEST_F(SettingsTest, ProfileValuesSitInTheirSection)
{
    ASSERT_EQ(WriteLanguageSetting(3), SettingWrite::Written);
    EXPECT_EQ(OpenFrameworkProfile()->value(QStringLiteral("Report Writer/Brenmor Report Writer/Language")).toInt(), 3);
    EXPECT_FALSE(OpenProgramKey()->contains(QStringLiteral("Language")));
}

TEST_F(SettingsTest, TempUnitIsClamped)
{
    const std::pair<QVariant, int> cases[] = {
        {0, 0}, {1, 1}, {2, 2}, {3, 1}, {7, 1}, {-1, 1}, {QStringLiteral("not a number"), 0}};
    for (const auto& [stored, expected] : cases) {
        StoreTempUnit(stored);
        EXPECT_EQ(GetTempUnit(), expected) << stored.toString().toStdString();
    }
}

TEST_F(SettingsTest, FailedWritesAreReported)
{
    BlockStore(*OpenFrameworkProfile());
    BlockStore(*OpenProgramKey());
    EXPECT_NE(WriteLanguageSetting(1), SettingWrite::Written);
    EXPECT_NE(WriteTemplate(1), SettingWrite::Written);
    EXPECT_NE(WriteTempUnit(1), SettingWrite::Written);
    EXPECT_NE(WriteCommonScale(true), SettingWrite::Written);
    EXPECT_FALSE(GetCommonScale());
    EXPECT_EQ(GetLanguageSetting(), -1);
    EXPECT_EQ(GetTempUnit(), 0);
}

} // namespace
