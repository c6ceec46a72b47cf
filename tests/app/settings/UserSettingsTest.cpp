#include "app/settings/UserSettings.h"

#include <QSettings>

#include <gtest/gtest.h>

namespace {

class UserSettings : public testing::Test
{
protected:
    void SetUp() override
    {
        ProgramKey().clear();
        FrameworkProfile().clear();
    }

    // The stores as another program (or the Windows registry) sees them.
    static QSettings ProgramKey()
    {
        return QSettings(QStringLiteral("VORNEX"), QStringLiteral("Brenmor Report Writer"));
    }
    static QSettings FrameworkProfile()
    {
        return QSettings(QStringLiteral("Vornex"), QStringLiteral("Brenmor Report Writer"));
    }
};

TEST_F(UserSettings, NothingStoredReadsMaintenanceAndCelsiusWithoutWriting)
{
    EXPECT_EQ(GetTemplate(), 0);
    EXPECT_EQ(GetTempUnit(), 0u);
    EXPECT_TRUE(ProgramKey().allKeys().isEmpty());
    EXPECT_TRUE(FrameworkProfile().allKeys().isEmpty());
}

TEST_F(UserSettings, ValuesLiveUnderTheirOwnNames)
{
    ProgramKey().setValue(QStringLiteral("TempUnit"), 2);
    FrameworkProfile().setValue(QStringLiteral("Report Writer/Brenmor Report Writer/Template"), 1);
    EXPECT_EQ(GetTempUnit(), 2u);
    EXPECT_EQ(GetTemplate(), 1);

    ASSERT_TRUE(WriteTempUnit(1));
    ASSERT_TRUE(WriteTemplate(0));
    EXPECT_EQ(ProgramKey().value(QStringLiteral("TempUnit")).toUInt(), 1u);
    EXPECT_EQ(FrameworkProfile().value(QStringLiteral("Report Writer/Brenmor Report Writer/Template")).toInt(), 0);
}

TEST_F(UserSettings, UnitAboveKelvinReadsAsFahrenheitAndJunkAsCelsius)
{
    ASSERT_TRUE(WriteTempUnit(7));
    EXPECT_EQ(GetTempUnit(), 1u);
    ASSERT_TRUE(WriteTempUnit(2));
    EXPECT_EQ(GetTempUnit(), 2u);
    ProgramKey().setValue(QStringLiteral("TempUnit"), QStringLiteral("hot"));
    EXPECT_EQ(GetTempUnit(), 0u);
}

} // namespace
