#include "report/SeverityCriteria.h"
#include "report/SeverityEntry.h"

#include <QtEndian>

#include <bit>

#include <gtest/gtest.h>

#include <limits>

namespace {

constexpr float Open = std::numeric_limits<float>::infinity();

SeverityCriteria CustomTable()
{
    return {SeverityKind::Custom,
            {{2.5f, QStringLiteral("Watch, \"soon\""), QStringLiteral("Look again\r\nnext month"), 1},
             {12.0f, QStringLiteral("赤熱"), QStringLiteral("修理"), 3},
             {Open, QStringLiteral("Hot"), QString(), 5}}};
}

// Table problems

struct ProblemCase
{
    const char* name;
    void (*spoil)(SeverityCriteria&);
    CriteriaProblem expected;
};

void PrintTo(const ProblemCase& c, std::ostream* out)
{
    *out << c.name;
}

class CriteriaChecks : public testing::TestWithParam<ProblemCase>
{
};

TEST_P(CriteriaChecks, FindTheFirstProblemAndItsClass)
{
    SeverityCriteria criteria = CustomTable();
    ASSERT_EQ(CheckCriteria(criteria), std::nullopt);
    GetParam().spoil(criteria);
    EXPECT_EQ(CheckCriteria(criteria), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Custom,
    CriteriaChecks,
    testing::Values(
        ProblemCase {"equal bounds",
                     [](SeverityCriteria& c) { c.classes[1].upperBound = 2.5f; },
                     {CriteriaProblem::BoundsNotRising, 1}},
        ProblemCase {"falling bounds",
                     [](SeverityCriteria& c) { c.classes[1].upperBound = 1.0f; },
                     {CriteriaProblem::BoundsNotRising, 1}},
        ProblemCase {"first bound zero",
                     [](SeverityCriteria& c) { c.classes[0].upperBound = 0.0f; },
                     {CriteriaProblem::BoundsNotRising, 0}},
        ProblemCase {"bound not a number",
                     [](SeverityCriteria& c) { c.classes[1].upperBound = std::numeric_limits<float>::quiet_NaN(); },
                     {CriteriaProblem::BoundsNotRising, 1}},
        ProblemCase {"open bound in the middle",
                     [](SeverityCriteria& c) { c.classes[1].upperBound = Open; },
                     {CriteriaProblem::LastBoundNotOpen, 1}},
        ProblemCase {"last bound closed",
                     [](SeverityCriteria& c) { c.classes[2].upperBound = 40.0f; },
                     {CriteriaProblem::LastBoundNotOpen, 2}},
        ProblemCase {
            "empty name", [](SeverityCriteria& c) { c.classes[2].name.clear(); }, {CriteriaProblem::NameEmpty, 2}},
        ProblemCase {"blank name",
                     [](SeverityCriteria& c) { c.classes[0].name = QStringLiteral(" \t "); },
                     {CriteriaProblem::NameEmpty, 0}},
        ProblemCase {"priority zero",
                     [](SeverityCriteria& c) { c.classes[1].priority = 0; },
                     {CriteriaProblem::PriorityOutOfRange, 1}},
        ProblemCase {"priority six",
                     [](SeverityCriteria& c) { c.classes[1].priority = 6; },
                     {CriteriaProblem::PriorityOutOfRange, 1}},
        ProblemCase {"no classes", [](SeverityCriteria& c) { c.classes.clear(); }, {CriteriaProblem::ClassCount, 0}},
        ProblemCase {"six classes",
                     [](SeverityCriteria& c) {
                         for (float bound : {15.0f, 14.0f, 13.0f}) {
                             c.classes.insert(c.classes.begin() + 2, {bound, QStringLiteral("x"), {}, 2});
                         }
                     },
                     {CriteriaProblem::ClassCount, 0}},
        ProblemCase {"none with classes",
                     [](SeverityCriteria& c) { c.kind = SeverityKind::None; },
                     {CriteriaProblem::ClassCount, 0}}));

TEST(SeverityEditing, AddsBelowTheOpenClassUpToFiveAndRemovesDownToOne)
{
    SeverityCriteria criteria = CustomTable();
    ASSERT_TRUE(AddSeverityClass(criteria));
    ASSERT_EQ(criteria.classes.size(), 4u);
    EXPECT_EQ(criteria.classes[2].upperBound, 17.0f);
    EXPECT_EQ(criteria.classes[2].priority, 3u);
    EXPECT_TRUE(criteria.classes[2].name.isEmpty());
    EXPECT_EQ(criteria.classes[3].name, QStringLiteral("Hot"));
    // The new class needs its name before the table can grade.
    EXPECT_EQ(CheckCriteria(criteria), (CriteriaProblem {CriteriaProblem::NameEmpty, 2}));
    ASSERT_TRUE(AddSeverityClass(criteria));
    EXPECT_FALSE(AddSeverityClass(criteria));
    EXPECT_EQ(criteria.classes.size(), 5u);

    // Removing the open class opens the one below it.
    ASSERT_TRUE(RemoveSeverityClass(criteria, 4));
    EXPECT_EQ(criteria.classes.back().upperBound, Open);
    EXPECT_FALSE(RemoveSeverityClass(criteria, 4));
    while (criteria.classes.size() > 1) {
        ASSERT_TRUE(RemoveSeverityClass(criteria, 0));
    }
    EXPECT_FALSE(RemoveSeverityClass(criteria, 0));
    EXPECT_EQ(criteria.classes[0].upperBound, Open);

    // A single open class gets a first bound of 5 K below it.
    criteria.classes[0].name = QStringLiteral("All");
    ASSERT_TRUE(AddSeverityClass(criteria));
    EXPECT_EQ(criteria.classes[0].upperBound, 5.0f);
    EXPECT_EQ(criteria.classes[0].priority, 1u);
}

// A bound typed in °F is kept in kelvin as a float32 a hair off the tenths: it still grades at
// exactly the value typed.
TEST(SeverityGrading, BoundTypedInFahrenheitHoldsAtItsTenth)
{
    SeverityCriteria criteria {SeverityKind::Custom,
                               {{float(KelvinFromUnit(10.0, TemperatureUnit::Fahrenheit)), QStringLiteral("a"), {}, 1},
                                {float(KelvinFromUnit(10.1, TemperatureUnit::Fahrenheit)), QStringLiteral("b"), {}, 2},
                                {Open, QStringLiteral("c"), {}, 3}}};
    ASSERT_EQ(CheckCriteria(criteria), std::nullopt);
    EXPECT_EQ(GradeDifference(criteria, 10.0f, TemperatureUnit::Fahrenheit), 0);
    EXPECT_EQ(GradeDifference(criteria, 10.1f, TemperatureUnit::Fahrenheit), 1);
    EXPECT_EQ(GradeDifference(criteria, 10.2f, TemperatureUnit::Fahrenheit), 2);
    // 10 °F is 5.56 K and 10.1 °F 5.61 K: in kelvin a printed 5.5 is in the first class, 5.6 in
    // the second and 5.7 in the last.
    EXPECT_EQ(GradeDifference(criteria, 5.5f, TemperatureUnit::Kelvin), 0);
    EXPECT_EQ(GradeDifference(criteria, 5.6f, TemperatureUnit::Kelvin), 1);
    EXPECT_EQ(GradeDifference(criteria, 5.7f, TemperatureUnit::Kelvin), 2);
}

TEST(SeverityGrading, NothingWithNoneABrokenTableOrNoNumber)
{
    EXPECT_EQ(GradeDifference({}, 3.0f, TemperatureUnit::Celsius), std::nullopt);
    SeverityCriteria broken = CustomTable();
    broken.classes[0].name.clear();
    EXPECT_EQ(GradeDifference(broken, 3.0f, TemperatureUnit::Celsius), std::nullopt);
    EXPECT_EQ(GradeDifference(CustomTable(), std::numeric_limits<float>::quiet_NaN(), TemperatureUnit::Celsius),
              std::nullopt);
    EXPECT_EQ(GradeDifference(CustomTable(), 1e30f, TemperatureUnit::Celsius), 2);
    EXPECT_EQ(ClassOfDifference(CustomTable(), -12.0f, TemperatureUnit::Celsius)->name, QStringLiteral("赤熱"));
}

// The stored entry (tag 5)

TEST(SeverityEntry, NoneIsItsKindAlone)
{
    EXPECT_EQ(WriteSeverityEntry({}), QByteArray(4, '\0'));
    EXPECT_EQ(ReadSeverityEntry(QByteArray(4, '\0')), SeverityCriteria {});
}

TEST(SeverityEntry, TableLayoutIsKindCountThenEachClass)
{
    const SeverityCriteria criteria {SeverityKind::OverAmbient, {{Open, QStringLiteral("é"), QStringLiteral("A"), 4}}};
    const QByteArray expected = QByteArray::fromHex("02000000"
                                                    "01000000"
                                                    "0000807f"
                                                    "02000000c3a9"
                                                    "0100000041"
                                                    "04000000");
    EXPECT_EQ(WriteSeverityEntry(criteria).toHex(), expected.toHex());
    EXPECT_EQ(ReadSeverityEntry(expected), criteria);
}

TEST(SeverityEntry, CustomTableComesBackWhole)
{
    const QByteArray bytes = WriteSeverityEntry(CustomTable());
    EXPECT_EQ(ReadSeverityEntry(bytes), CustomTable());
}

TEST(SeverityEntry, EveryShortenedOrLengthenedPayloadIsRefused)
{
    const QByteArray bytes = WriteSeverityEntry(CustomTable());
    for (qsizetype length = 0; length < bytes.size(); ++length) {
        EXPECT_EQ(ReadSeverityEntry(bytes.first(length)), std::nullopt) << length;
    }
    EXPECT_EQ(ReadSeverityEntry(bytes + '\0'), std::nullopt);
    EXPECT_EQ(ReadSeverityEntry(QByteArray(5, '\0')), std::nullopt);
}

QByteArray WithUInt32At(QByteArray bytes, qsizetype offset, quint32 value)
{
    qToLittleEndian(value, bytes.data() + offset);
    return bytes;
}

TEST(SeverityEntry, ValuesOutOfRangeAreRefused)
{
    const QByteArray bytes = WriteSeverityEntry(CustomTable());
    EXPECT_EQ(ReadSeverityEntry(WithUInt32At(bytes, 0, 4)), std::nullopt);
    EXPECT_EQ(ReadSeverityEntry(WithUInt32At(bytes, 4, 0)), std::nullopt);
    EXPECT_EQ(ReadSeverityEntry(WithUInt32At(bytes, 4, 6)), std::nullopt);
    EXPECT_EQ(ReadSeverityEntry(WithUInt32At(bytes, 4, 0xFFFFFFFF)), std::nullopt);
    // The last class's priority, the last four bytes.
    EXPECT_EQ(ReadSeverityEntry(WithUInt32At(bytes, bytes.size() - 4, 0)), std::nullopt);
    // The first bound made 20 K, above the second.
    EXPECT_EQ(ReadSeverityEntry(WithUInt32At(bytes, 8, std::bit_cast<quint32>(20.0f))), std::nullopt);
    // A name length that runs past the payload.
    EXPECT_EQ(ReadSeverityEntry(WithUInt32At(bytes, 12, 0x7FFFFFFF)), std::nullopt);

    SeverityCriteria badText {SeverityKind::Custom, {{Open, QStringLiteral("ab"), {}, 1}}};
    QByteArray invalidUtf8 = WriteSeverityEntry(badText);
    invalidUtf8[16] = char(0xFF);
    EXPECT_EQ(ReadSeverityEntry(invalidUtf8), std::nullopt);
}

} // namespace
