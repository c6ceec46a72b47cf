#include "report/ProjectFile.h"

#include "SampleProjects.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using namespace Layout;

// A file of two inspections followed by a block holding only a tag 4 entry, written by hand.
QByteArray FileWithSettings(const QByteArray& payload)
{
    const QByteArray entry = Int32(4) + Int32(qint32(payload.size())) + payload;
    return SerializeProject(FullProject(2, 1)) + "QVRX" + Int32(1) + Int32(1) + entry;
}

QByteArray Inspection(qint32 index, qint32 flags, const QByteArray& fields)
{
    return Int32(index) + Int32(flags) + fields;
}

const QByteArray EveryField = Float32(0.95f) + Float32(250.5f) + Int32(2) + Float32(280.0f) + Float32(330.0f) +
    Int32(2) + Int32(0) + Int32(0) + Int32(159) + Int32(119) + Int32(1) + Int32(10) + Int32(20) + Int32(30) + Int32(40);

MeasurementSettings EverySetting()
{
    MeasurementSettings settings;
    settings.emissivity = 0.95f;
    settings.reflectedKelvin = 250.5f;
    settings.palette = PaletteKind::Rainbow;
    settings.manualRange = ManualColourRange {280.0f, 330.0f};
    settings.spots = {{0, 0}, {159, 119}};
    settings.boxes = {QRect(10, 20, 30, 40)};
    return settings;
}

} // namespace

TEST(MeasurementEntry, ReadsEveryFieldIntoItsInspection)
{
    const ProjectReadResult read = SerializeProject(FileWithSettings(Int32(1) + Inspection(1, 0x3F, EveryField)));
    ASSERT_TRUE(read.Ok());
    EXPECT_TRUE(read.Value().SelectionAt(0)->measurement.IsEmpty());
    EXPECT_EQ(read.Value().SelectionAt(1)->measurement, EverySetting());
}

TEST(MeasurementEntry, WritesOnlyTheInspectionsAndFieldsThatArePresent)
{
    ReportProject project = FullProject(2, 1);
    const QByteArray plain = SerializeProject(project);
    project.SelectionAt(1)->measurement = EverySetting();
    MeasurementSettings reflectedOnly;
    reflectedOnly.reflectedKelvin = 300.0f;
    project.SelectionAt(0)->measurement = reflectedOnly;
    const QByteArray payload = Int32(2) + Inspection(0, 0x02, Float32(300.0f)) + Inspection(1, 0x3F, EveryField);
    const QByteArray written = SerializeProject(project);
    EXPECT_EQ(written.toHex(),
              (plain + "QVRX" + Int32(1) + Int32(1) + Int32(4) + Int32(qint32(payload.size())) + payload).toHex());
    const ProjectReadResult read = SerializeProject(written);
    ASSERT_TRUE(read.Ok());
    EXPECT_EQ(read.Value(), project);
}

TEST(MeasurementEntry, SettingsTravelWithTheirInspection)
{
    ReportProject project = FullProject(3, 1);
    project.SelectionAt(2)->measurement = EverySetting();
    project.RemoveInspection(0);
    const ProjectReadResult read = SerializeProject(SerializeProject(project));
    ASSERT_TRUE(read.Ok());
    EXPECT_TRUE(read.Value().SelectionAt(0)->measurement.IsEmpty());
    EXPECT_EQ(read.Value().SelectionAt(1)->measurement, EverySetting());
    // Without settings left the file has no block, as before settings existed.
    project.RemoveInspection(1);
    EXPECT_EQ(SerializeProject(project).indexOf("QVRX"), -1);
}

struct RefusedCase
{
    const char* name;
    QByteArray payload;
};

class MeasurementEntryRefusal : public testing::TestWithParam<RefusedCase>
{
};

TEST_P(MeasurementEntryRefusal, MakesTheFileUnreadable)
{
    EXPECT_EQ(SerializeProject(FileWithSettings(GetParam().payload)).Error(), ProjectReadError::Malformed);
}

const float Infinity = std::numeric_limits<float>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Refusals,
    MeasurementEntryRefusal,
    testing::Values(
        RefusedCase {"Empty", {}},
        RefusedCase {"MoreInspectionsThanTheProjectHas",
                     Int32(3) + Inspection(0, 0, {}) + Inspection(1, 0, {}) + Inspection(1, 0, {})},
        RefusedCase {"IndexBeyondTheProject", Int32(1) + Inspection(2, 0x01, Float32(0.5f))},
        RefusedCase {"NegativeIndex", Int32(1) + Inspection(-1, 0x01, Float32(0.5f))},
        RefusedCase {"InspectionTwice",
                     Int32(2) + Inspection(0, 0x01, Float32(0.5f)) + Inspection(0, 0x01, Float32(0.6f))},
        RefusedCase {"UnknownFlag", Int32(1) + Inspection(0, 0x40, {})},
        RefusedCase {"FieldMissing", Int32(1) + Inspection(0, 0x03, Float32(0.5f))},
        RefusedCase {"BytesAfterTheFields", Int32(1) + Inspection(0, 0x01, Float32(0.5f) + Int32(0))},
        RefusedCase {"EmissivityZero", Int32(1) + Inspection(0, 0x01, Float32(0.0f))},
        RefusedCase {"EmissivityAboveOne", Int32(1) + Inspection(0, 0x01, Float32(1.01f))},
        RefusedCase {"EmissivityThreeDecimals", Int32(1) + Inspection(0, 0x01, Float32(0.505f))},
        RefusedCase {"EmissivityNotANumber",
                     Int32(1) + Inspection(0, 0x01, Float32(std::numeric_limits<float>::quiet_NaN()))},
        RefusedCase {"ReflectedTooCold", Int32(1) + Inspection(0, 0x02, Float32(100.0f))},
        RefusedCase {"ReflectedInfinite", Int32(1) + Inspection(0, 0x02, Float32(Infinity))},
        RefusedCase {"PaletteUnknown", Int32(1) + Inspection(0, 0x04, Int32(4))},
        RefusedCase {"RangeTurnedOver", Int32(1) + Inspection(0, 0x08, Float32(330.0f) + Float32(280.0f))},
        RefusedCase {"RangeTooHot", Int32(1) + Inspection(0, 0x08, Float32(280.0f) + Float32(5000.0f))},
        RefusedCase {"SpotOutsideThePicture", Int32(1) + Inspection(0, 0x10, Int32(1) + Int32(160) + Int32(0))},
        RefusedCase {"SpotAbove", Int32(1) + Inspection(0, 0x10, Int32(1) + Int32(0) + Int32(-1))},
        RefusedCase {"ElevenSpots", Int32(1) + Inspection(0, 0x10, Int32(11) + QByteArray(88, '\0'))},
        RefusedCase {"HugeSpotCount", Int32(1) + Inspection(0, 0x10, Int32(-1))},
        RefusedCase {"BoxPastTheEdge",
                     Int32(1) + Inspection(0, 0x20, Int32(1) + Int32(100) + Int32(0) + Int32(61) + Int32(5))},
        RefusedCase {"BoxWithoutWidth",
                     Int32(1) + Inspection(0, 0x20, Int32(1) + Int32(1) + Int32(1) + Int32(0) + Int32(5))},
        RefusedCase {"BoxOfOverflowingSize",
                     Int32(1) + Inspection(0, 0x20, Int32(1) + Int32(1) + Int32(1) + Int32(0x7FFFFFFF) + Int32(5))},
        RefusedCase {"SixBoxes", Int32(1) + Inspection(0, 0x20, Int32(6) + QByteArray(96, '\1'))}),
    [](const testing::TestParamInfo<RefusedCase>& info) { return info.param.name; });

TEST(MeasurementEntry, LimitsThemselvesAreAccepted)
{
    const QByteArray fields = Float32(0.01f) + Float32(203.15f) + Int32(3) + Float32(203.15f) + Float32(1773.15f) +
        Int32(10) + QByteArray(80, '\0') + Int32(5) + (Int32(0) + Int32(0) + Int32(160) + Int32(120)).repeated(5);
    const ProjectReadResult read = SerializeProject(FileWithSettings(Int32(1) + Inspection(0, 0x3F, fields)));
    ASSERT_TRUE(read.Ok());
    EXPECT_EQ(read.Value().SelectionAt(0)->measurement.spots.size(), 10u);
    EXPECT_EQ(read.Value().SelectionAt(0)->measurement.boxes.size(), 5u);
}
