#include "report/ProjectFile.h"

#include "SampleProjects.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>

namespace {

using namespace Layout;

const QByteArray EmptyWide = Wide("");

// A details record with or without the later field groups, built field by field.
QByteArray DetailsRecord(bool buildingFields, bool materialCondition, int fill)
{
    const QString n = QString::number(fill);
    QByteArray bytes;
    for (const char* field : {"name", "operator", "location", "equipment", "comment", "measured", "rated", "load"}) {
        bytes += Wide(field + n);
    }
    bytes += Int32(3); // repairPriority
    bytes += Wide("fault" + n); // faultAction
    bytes += Date(0, 39000.5) + Date(1, 39001.5) + Date(2, 39002.5); // three dates
    bytes += QByteArray("\x01\x00\x01", 3); // the three flags
    bytes += Wide("ii") + Wide("rr") + Wide("ee"); // initials
    bytes += Int32(1) + Int32(2); // cursors
    if (buildingFields) {
        bytes += Wide("20") + Wide("5") + Wide("60") + Wide("12") + Wide("0.1");
    }
    if (materialCondition) {
        bytes += Int32(2);
    }
    return bytes;
}

QByteArray TitleFields()
{
    return Wide("logo.jpg") + Wide("Firma") + Wide("Autor") + QByteArray("\x01", 1) + Date(0, 39224.5) +
        Wide("Kommentar");
}

QByteArray Selection(const QString& snapshot, const QString& image, int strokes)
{
    QByteArray bytes = Wide(snapshot) + Wide(image) + Int32(strokes);
    for (int i = 0; i < strokes; ++i) {
        bytes += Int32(i) + Int32(i + 1) + Int32(i + 2) + Int32(i + 3) + Int32(4) + Int32(0x0000FF);
    }
    return bytes;
}

QByteArray FileOf(QByteArray version, int selections, int details, bool buildingFields = true, bool condition = true)
{
    QByteArray bytes = version + TitleFields() + Int32(selections);
    for (int i = 0; i < selections; ++i) {
        bytes += Selection("s" + QString::number(i) + ".qvx", "p.jpg", 2);
    }
    bytes += Int32(details);
    for (int i = 0; i < details; ++i) {
        bytes += DetailsRecord(buildingFields, condition, i);
    }
    return bytes;
}

// The extension block's pieces, written by hand like the rest of the layout.
QByteArray Entry(qint32 tag, const QByteArray& payload)
{
    return Int32(tag) + Int32(qint32(payload.size())) + payload;
}

QByteArray Block(qint32 count, const QByteArray& entries, qint32 version = 1)
{
    return QByteArray("QVRX") + Int32(version) + Int32(count) + entries;
}

const QByteArray BuildingsFahrenheit = Block(2, Entry(1, Int32(1)) + Entry(2, Int32(1)));

// Severity criteria entries (tag 5): the kind, then the class count and each class.
QByteArray Text(const char* utf8)
{
    return Int32(qint32(qstrlen(utf8))) + QByteArray(utf8);
}

QByteArray Class(float bound, const char* name, const char* action, qint32 priority)
{
    return Float32(bound) + Text(name) + Text(action) + Int32(priority);
}

const float Open = std::numeric_limits<float>::infinity();
const QByteArray CustomPayload =
    Int32(3) + Int32(2) + Class(2.5f, "Warm, \"maybe\"", "Look again", 1) + Class(Open, "\xE8\xB5\xA4", "", 5);
const SeverityCriteria Custom {
    SeverityKind::Custom,
    {{2.5f, "Warm, \"maybe\"", "Look again", 1}, {Open, QString::fromUtf8("\xE8\xB5\xA4"), "", 5}}};

TEST(ProjectFile, NewProjectIsFortyOneBytes)
{
    ReportProject project;
    project.title.date = {39224.5, OleDate::Valid};
    const QByteArray expected = QByteArray("\x9A\x99\x99\x3F", 4) + EmptyWide + EmptyWide + EmptyWide +
        QByteArray("\x01", 1) + Date(0, 39224.5) + EmptyWide + Int32(0) + Int32(0);
    ASSERT_EQ(expected.size(), 41);
    EXPECT_EQ(SerializeProject(project).toHex(' '), expected.toHex(' '));
}

TEST(ProjectFile, WritesEveryFieldInLayoutOrder)
{
    ReportProject project;
    project.title = {"logo.jpg", "Firma", "Autor", true, {39224.5, 0}, "Kommentar"};
    InspectionSelection selection {"s0.qvx", "p.jpg", {{0, 1, 2, 3, 4, 0xFF}, {1, 2, 3, 4, 4, 0xFF}}};
    InspectionDetails details;
    details.name = "name0";
    details.operatorName = "operator0";
    details.location = "location0";
    details.equipment = "equipment0";
    details.comment = "comment0";
    details.measuredLoad = "measured0";
    details.ratedLoad = "rated0";
    details.loadPercent = "load0";
    details.repairPriority = 3;
    details.faultAction = "fault0";
    details.inspectedDate = {39000.5, 0};
    details.repairedDate = {39001.5, 1};
    details.reinspectedDate = {39002.5, 2};
    details.inspectedSet = true;
    details.reinspectedSet = true;
    details.inspectedInitials = "ii";
    details.repairedInitials = "rr";
    details.reinspectedInitials = "ee";
    details.cursorA = 1;
    details.cursorB = 2;
    details.indoorTemperature = "20";
    details.outdoorTemperature = "5";
    details.humidity = "60";
    details.windSpeed = "12";
    details.pressureDifference = "0.1";
    details.materialCondition = 2;
    project.AppendInspection(selection, details);
    EXPECT_EQ(SerializeProject(project).toHex(' '), FileOf(Float32(1.2f), 1, 1).toHex(' '));

    project.reportTemplate = ReportTemplate::Buildings;
    project.unit = TemperatureUnit::Fahrenheit;
    EXPECT_EQ(SerializeProject(project).toHex(' '), (FileOf(Float32(1.2f), 1, 1) + BuildingsFahrenheit).toHex(' '));
}

// What follows the last record: nothing or foreign bytes (an old file), or an extension block.
struct BlockCase
{
    const char* name;
    QByteArray after;
    std::optional<ProjectReadError> error; // none: the file reads
    std::optional<ReportTemplate> reportTemplate = std::nullopt;
    std::optional<TemperatureUnit> unit = std::nullopt;
    std::optional<SeverityCriteria> criteria = std::nullopt;
    std::vector<ProjectFileEntry> relativePaths = {};
};

class ProjectFileBlock : public testing::TestWithParam<BlockCase>
{
};

TEST_P(ProjectFileBlock, ReadsWhatTheBlockStatesOrRefusesIt)
{
    const BlockCase& c = GetParam();
    for (const bool oldLayout : {false, true}) {
        const QByteArray file = oldLayout ? FileOf(Float32(1.0f), 1, 1, false, false) : FileOf(Float32(1.2f), 1, 1);
        const ProjectReadResult read = SerializeProject(file + c.after);
        ASSERT_EQ(read.Error(), c.error) << (oldLayout ? "1.0" : "1.2");
        if (read.Ok()) {
            EXPECT_EQ(read.Value().reportTemplate, c.reportTemplate);
            EXPECT_EQ(read.Value().unit, c.unit);
            EXPECT_EQ(read.Value().severityCriteria, c.criteria);
            EXPECT_EQ(read.Value().relativePaths, c.relativePaths);
            EXPECT_EQ(read.Value().DetailsAt(0)->name, "name0");
        }
    }
}

// One relative path of the block's entry 3: kind, inspection, text.
QByteArray Relative(qint32 kind, qint32 inspection, const char* path)
{
    return Int32(kind) + Int32(inspection) + Text(path);
}

const QByteArray Unknown = Entry(77, QByteArray("\x05\x00\x00\x00hello", 9));

INSTANTIATE_TEST_SUITE_P(
    Blocks,
    ProjectFileBlock,
    testing::Values(
        BlockCase {"NoBlockStatesNothing", {}, std::nullopt},
        BlockCase {"ForeignBytesAreIgnored", "trailing", std::nullopt},
        BlockCase {"PartOfTheMagicIsForeign", "QVR", std::nullopt},
        BlockCase {
            "BothEntries", BuildingsFahrenheit, std::nullopt, ReportTemplate::Buildings, TemperatureUnit::Fahrenheit},
        BlockCase {"EntriesInAnyOrder",
                   Block(2, Entry(2, Int32(2)) + Entry(1, Int32(0))),
                   std::nullopt,
                   ReportTemplate::Maintenance,
                   TemperatureUnit::Kelvin},
        BlockCase {"OneEntryStatesOnlyItsOwn",
                   Block(1, Entry(2, Int32(0))),
                   std::nullopt,
                   std::nullopt,
                   TemperatureUnit::Celsius},
        BlockCase {"UnknownEntriesAreSkipped",
                   Block(4, Unknown + Entry(1, Int32(1)) + Entry(0, {}) + Entry(2, Int32(2))),
                   std::nullopt,
                   ReportTemplate::Buildings,
                   TemperatureUnit::Kelvin},
        BlockCase {"EmptyBlock", Block(0, {}), std::nullopt},
        BlockCase {
            "OtherBlockVersion", Block(2, Entry(1, Int32(1)) + Entry(2, Int32(1)), 2), ProjectReadError::Malformed},
        BlockCase {"BlockVersionZero", Block(0, {}, 0), ProjectReadError::Malformed},
        BlockCase {"MoreEntriesCountedThanThere",
                   Block(3, Entry(1, Int32(1)) + Entry(2, Int32(1))),
                   ProjectReadError::Malformed},
        BlockCase {"HugeCount", Block(-1, Entry(1, Int32(1))), ProjectReadError::Malformed},
        BlockCase {"EntryOverrunsTheFile", Block(1, Int32(77) + Int32(100) + "short"), ProjectReadError::Malformed},
        BlockCase {"HugeEntryLength", Block(1, Int32(77) + Int32(-1) + "short"), ProjectReadError::Malformed},
        BlockCase {"RepeatedTag", Block(2, Entry(1, Int32(1)) + Entry(1, Int32(1))), ProjectReadError::Malformed},
        BlockCase {"RepeatedUnknownTag", Block(2, Unknown + Unknown), ProjectReadError::Malformed},
        BlockCase {"TemplateOutOfRange", Block(1, Entry(1, Int32(2))), ProjectReadError::Malformed},
        BlockCase {"UnitOutOfRange", Block(1, Entry(2, Int32(3))), ProjectReadError::Malformed},
        BlockCase {"NegativeUnit", Block(1, Entry(2, Int32(-1))), ProjectReadError::Malformed},
        BlockCase {"KnownEntryTooShort", Block(1, Entry(1, QByteArray(2, '\0'))), ProjectReadError::Malformed},
        BlockCase {"KnownEntryTooLong", Block(1, Entry(1, Int32(1) + Int32(0))), ProjectReadError::Malformed},
        BlockCase {"BytesAfterTheBlock", BuildingsFahrenheit + "x", ProjectReadError::Malformed},
        BlockCase {"CriteriaWithTheirTable",
                   Block(2, Entry(5, CustomPayload) + Entry(1, Int32(0))),
                   std::nullopt,
                   ReportTemplate::Maintenance,
                   std::nullopt,
                   Custom},
        BlockCase {"CriteriaNoneStated",
                   Block(1, Entry(5, Int32(0))),
                   std::nullopt,
                   std::nullopt,
                   std::nullopt,
                   SeverityCriteria {}},
        BlockCase {"CriteriaKindOutOfRange", Block(1, Entry(5, Int32(4))), ProjectReadError::Malformed},
        BlockCase {"CriteriaNoneWithATable", Block(1, Entry(5, Int32(0) + Int32(1))), ProjectReadError::Malformed},
        BlockCase {"CriteriaTableCutShort", Block(1, Entry(5, CustomPayload.chopped(1))), ProjectReadError::Malformed},
        BlockCase {"CriteriaWithoutClasses", Block(1, Entry(5, Int32(1) + Int32(0))), ProjectReadError::Malformed},
        BlockCase {
            "CriteriaBoundsFalling",
            Block(1,
                  Entry(5,
                        Int32(3) + Int32(3) + Class(5, "a", "", 1) + Class(4, "b", "", 1) + Class(Open, "c", "", 1))),
            ProjectReadError::Malformed},
        BlockCase {"CriteriaLastBoundClosed",
                   Block(1, Entry(5, Int32(2) + Int32(1) + Class(40, "a", "", 1))),
                   ProjectReadError::Malformed},
        BlockCase {"CriteriaBlankName",
                   Block(1, Entry(5, Int32(2) + Int32(1) + Class(Open, " ", "", 1))),
                   ProjectReadError::Malformed},
        BlockCase {"CriteriaPriorityOutOfRange",
                   Block(1, Entry(5, Int32(1) + Int32(1) + Class(Open, "a", "", 6))),
                   ProjectReadError::Malformed},
        BlockCase {"RelativePathsOfEveryKind",
                   Block(1,
                         Entry(3,
                               Int32(3) + Relative(0, -1, "logo.jpg") + Relative(1, 0, "snaps/Fähre.qvx") +
                                   Relative(2, 0, "../photos/a.jpg"))),
                   std::nullopt,
                   std::nullopt,
                   std::nullopt,
                   std::nullopt,
                   {{ProjectFileKind::Logo, -1, "logo.jpg"},
                    {ProjectFileKind::Snapshot, 0, "snaps/Fähre.qvx"},
                    {ProjectFileKind::Photo, 0, "../photos/a.jpg"}}},
        BlockCase {"RelativePathOfNoInspection",
                   Block(1, Entry(3, Int32(1) + Relative(1, 1, "a.qvx"))),
                   ProjectReadError::Malformed},
        BlockCase {"RelativeLogoOfAnInspection",
                   Block(1, Entry(3, Int32(1) + Relative(0, 0, "a.jpg"))),
                   ProjectReadError::Malformed},
        BlockCase {"RelativePathKindOutOfRange",
                   Block(1, Entry(3, Int32(1) + Relative(3, 0, "a.qvx"))),
                   ProjectReadError::Malformed},
        BlockCase {"RelativePathEmpty", Block(1, Entry(3, Int32(1) + Relative(1, 0, ""))), ProjectReadError::Malformed},
        BlockCase {"RelativePathRepeated",
                   Block(1, Entry(3, Int32(2) + Relative(1, 0, "a.qvx") + Relative(1, 0, "b.qvx"))),
                   ProjectReadError::Malformed},
        BlockCase {"RelativePathsCountedThanThere",
                   Block(1, Entry(3, Int32(2) + Relative(1, 0, "a.qvx"))),
                   ProjectReadError::Malformed},
        BlockCase {"CriteriaTextNotUtf8",
                   Block(1, Entry(5, Int32(1) + Int32(1) + Class(Open, "\xFF", "", 1))),
                   ProjectReadError::Malformed}),
    [](const testing::TestParamInfo<BlockCase>& info) { return info.param.name; });

TEST(ProjectFile, BlockEntriesAreWrittenInTagOrder)
{
    ReportProject project = FullProject(1, 1);
    project.severityCriteria = Custom;
    project.unit = TemperatureUnit::Kelvin;
    project.reportTemplate = ReportTemplate::Buildings;
    const QByteArray block = Block(3, Entry(1, Int32(1)) + Entry(2, Int32(2)) + Entry(5, CustomPayload));
    EXPECT_EQ(SerializeProject(project).toHex(), (SerializeProject(FullProject(1, 1)) + block).toHex());
}

TEST(ProjectFile, EveryTruncationOfABlockIsMalformed)
{
    const QByteArray file = FileOf(Float32(1.2f), 1, 1);
    const QByteArray block = Block(3, Entry(1, Int32(1)) + Unknown + Entry(2, Int32(2)));
    ASSERT_TRUE(SerializeProject(file + block).Ok());
    // Four bytes or more begin with the magic; fewer are foreign bytes.
    for (qsizetype length = 4; length < block.size(); ++length) {
        const QByteArray cut = file + block.left(length);
        EXPECT_EQ(SerializeProject(QByteArrayView(cut)).Error(), ProjectReadError::Malformed) << "cut at " << length;
    }
}

// Older versions lack field groups; a group is read when the version is at least its own.
struct VersionCase
{
    const char* name;
    QByteArray version;
    bool buildingFields;
    bool materialCondition;
};

class ProjectFileVersion : public testing::TestWithParam<VersionCase>
{
};

TEST_P(ProjectFileVersion, ReadsTheFieldsOfItsLayout)
{
    const VersionCase& c = GetParam();
    const ProjectReadResult read = SerializeProject(FileOf(c.version, 2, 2, c.buildingFields, c.materialCondition));
    ASSERT_TRUE(read.Ok());
    ASSERT_EQ(read.Value().InspectionCount(), 2);
    const InspectionDetails& details = *read.Value().DetailsAt(1);
    EXPECT_EQ(details.name, "name1");
    EXPECT_EQ(details.cursorB, 2);
    EXPECT_EQ(details.repairedDate, (OleDate {39001.5, 1}));
    EXPECT_EQ(details.indoorTemperature, c.buildingFields ? "20" : "");
    EXPECT_EQ(details.pressureDifference, c.buildingFields ? "0.1" : "");
    EXPECT_EQ(details.materialCondition, c.materialCondition ? 2 : 0);
    EXPECT_EQ(read.Value().SelectionAt(1)->strokes.size(), 2u);
    EXPECT_EQ(read.Value().title.company, "Firma");
}

INSTANTIATE_TEST_SUITE_P(Versions,
                         ProjectFileVersion,
                         testing::Values(VersionCase {"V1_0", QByteArray("\x00\x00\x80\x3F", 4), false, false},
                                         VersionCase {"V1_1", QByteArray("\xCD\xCC\x8C\x3F", 4), true, false},
                                         VersionCase {"V1_2", QByteArray("\x9A\x99\x99\x3F", 4), true, true},
                                         VersionCase {"Above1_2ReadsAs1_2", Float32(7.5f), true, true},
                                         VersionCase {"Zero", Float32(0.0f), false, false},
                                         VersionCase {
                                             "NotANumberCountsAsOldest", Float32(std::nanf("")), false, false}),
                         [](const testing::TestParamInfo<VersionCase>& info) { return info.param.name; });

TEST(ProjectFile, DifferentCountsAreAMismatchNotAMalformedFile)
{
    EXPECT_EQ(SerializeProject(FileOf(Float32(1.2f), 2, 3)).Error(), ProjectReadError::CountMismatch);
}

TEST(ProjectFile, CountsOfZeroOrBelowReadNoEntries)
{
    const ProjectReadResult read = SerializeProject(FileOf(Float32(1.2f), -5, -1));
    ASSERT_TRUE(read.Ok());
    EXPECT_EQ(read.Value().InspectionCount(), 0);
}

TEST(ProjectFile, BytesAfterTheLastRecordAreIgnored)
{
    const ProjectReadResult read = SerializeProject(FileOf(Float32(1.2f), 1, 1) + "trailing");
    ASSERT_TRUE(read.Ok());
    EXPECT_EQ(read.Value().DetailsAt(0)->materialCondition, 2);
}

TEST(ProjectFile, AnyNonZeroByteIsTrueAndIsWrittenBackAsOne)
{
    QByteArray bytes = FileOf(Float32(1.2f), 0, 0);
    const qsizetype showDateOffset = 4 + Wide("logo.jpg").size() + Wide("Firma").size() + Wide("Autor").size();
    bytes[showDateOffset] = char(0x7F);
    const ProjectReadResult read = SerializeProject(bytes);
    ASSERT_TRUE(read.Ok());
    EXPECT_TRUE(read.Value().title.showDate);
    EXPECT_EQ(SerializeProject(read.Value())[showDateOffset], char(1));
}

TEST(ProjectFile, CountsTheBytesCannotHoldAreMalformed)
{
    const QByteArray header = Float32(1.2f) + TitleFields();
    EXPECT_EQ(SerializeProject(header + Int32(0x7FFFFFFF) + QByteArray(64, '\0')).Error(), ProjectReadError::Malformed);
    EXPECT_EQ(SerializeProject(header + Int32(0) + Int32(0x7FFFFFFF) + QByteArray(64, '\0')).Error(),
              ProjectReadError::Malformed);
    const QByteArray manyStrokes = EmptyWide + EmptyWide + Int32(0x7FFFFFFF) + QByteArray(48, '\0');
    EXPECT_EQ(SerializeProject(header + Int32(1) + manyStrokes).Error(), ProjectReadError::Malformed);
}

TEST(ProjectFile, EveryTruncationOfARealProjectFailsCleanly)
{
    const QByteArray bytes = SerializeProject(FullProject(3));
    ASSERT_TRUE(SerializeProject(bytes).Ok());
    for (qsizetype length = 0; length < bytes.size(); ++length) {
        // A copy of exactly `length` bytes, so that the sanitizers see any read beyond it.
        const QByteArray cut = bytes.left(length);
        const ProjectReadResult read = SerializeProject(QByteArrayView(cut));
        ASSERT_EQ(read.Error(), ProjectReadError::Malformed) << "cut at " << length;
    }
}

// Projects written and read back give the same project and the same bytes.
struct RoundTripCase
{
    const char* name;
    ReportProject (*make)();
};

class ProjectRoundTrip : public testing::TestWithParam<RoundTripCase>
{
};

TEST_P(ProjectRoundTrip, ReadsBackWhatWasWritten)
{
    const ReportProject project = GetParam().make();
    const QByteArray bytes = SerializeProject(project);
    const ProjectReadResult read = SerializeProject(bytes);
    ASSERT_TRUE(read.Ok());
    EXPECT_EQ(read.Value(), project);
    EXPECT_EQ(SerializeProject(read.Value()), bytes);
}

ReportProject Empty()
{
    return ReportProject();
}

ReportProject EveryFieldSet()
{
    return FullProject(5, 4);
}

ReportProject LongTexts()
{
    ReportProject project = FullProject(1, 0);
    project.title.generalComments = QString(70000, QChar(u'ü'));
    project.title.company = QString(255, u'c');
    project.DetailsAt(0)->comment = QString(65534, u'x');
    project.DetailsAt(0)->faultAction = QString(254, u'f');
    return project;
}

ReportProject TemplateAndUnit()
{
    ReportProject project = FullProject(2, 1);
    project.reportTemplate = ReportTemplate::Buildings;
    project.unit = TemperatureUnit::Kelvin;
    return project;
}

ReportProject OnlyTheUnit()
{
    ReportProject project = FullProject(1, 0);
    project.unit = TemperatureUnit::Fahrenheit;
    return project;
}

ReportProject EveryEntry()
{
    ReportProject project = FullProject(2, 1);
    project.reportTemplate = ReportTemplate::Buildings;
    project.unit = TemperatureUnit::Fahrenheit;
    project.severityCriteria = Custom;
    return project;
}

ReportProject CriteriaNone()
{
    ReportProject project = FullProject(1, 0);
    project.severityCriteria = SeverityCriteria {};
    return project;
}

ReportProject ExtremeNumbers()
{
    ReportProject project = FullProject(2, 1);
    project.SelectionAt(0)->strokes[0] = {INT32_MIN, INT32_MAX, -1, 0, INT32_MIN, -1};
    project.DetailsAt(1)->repairPriority = INT32_MIN;
    project.DetailsAt(1)->cursorA = INT32_MAX;
    project.DetailsAt(1)->materialCondition = -7;
    project.DetailsAt(1)->inspectedDate = {-std::numeric_limits<double>::max(), INT32_MIN};
    project.title.date = {std::numeric_limits<double>::denorm_min(), 7};
    return project;
}

INSTANTIATE_TEST_SUITE_P(Projects,
                         ProjectRoundTrip,
                         testing::Values(RoundTripCase {"Empty", Empty},
                                         RoundTripCase {"EveryFieldSet", EveryFieldSet},
                                         RoundTripCase {"LongTexts", LongTexts},
                                         RoundTripCase {"TemplateAndUnit", TemplateAndUnit},
                                         RoundTripCase {"OnlyTheUnit", OnlyTheUnit},
                                         RoundTripCase {"EveryEntry", EveryEntry},
                                         RoundTripCase {"CriteriaNone", CriteriaNone},
                                         RoundTripCase {"ExtremeNumbers", ExtremeNumbers}),
                         [](const testing::TestParamInfo<RoundTripCase>& info) { return info.param.name; });

TEST(ProjectFile, DateValuesRoundTripBitForBit)
{
    ReportProject project;
    project.title.date = {std::bit_cast<double>(quint64(0x7FF8DEADBEEF0001)), 0};
    const QByteArray bytes = SerializeProject(project);
    EXPECT_EQ(SerializeProject(SerializeProject(bytes).Value()), bytes);
}

} // namespace
