#include "output/SeverityTables.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// Every bound of both published tables in every unit: the difference as printed at the bound is
// in its class, the next tenth is in the class above. A difference in °F is 1.8 times the kelvin
// value (no offset), so the bounds read 5.4, 27.0, 18.0, 36.0 and 72.0 °F.
struct BoundCase
{
    SeverityKind kind;
    TemperatureUnit unit;
    float printedBound; // the bound as the page prints it in the unit
    int classBelow;
};

void PrintTo(const BoundCase& c, std::ostream* out)
{
    const char* units[] = {"C", "F", "K"};
    *out << (c.kind == SeverityKind::SimilarComponents ? "similar " : "ambient ") << c.printedBound
         << units[int(c.unit)];
}

class SeverityBounds : public testing::TestWithParam<BoundCase>
{
};

TEST_P(SeverityBounds, BoundIsInItsClassTheNextTenthAbove)
{
    const BoundCase& c = GetParam();
    const SeverityCriteria table = BuiltInCriteria(c.kind);
    EXPECT_EQ(GradeDifference(table, c.printedBound, c.unit), c.classBelow);
    EXPECT_EQ(GradeDifference(table, -c.printedBound, c.unit), c.classBelow) << "the sign does not count";
    // Just below the next printed tenth still prints as the bound.
    EXPECT_EQ(GradeDifference(table, std::nextafter(c.printedBound + 0.05f, 0.0f), c.unit), c.classBelow);
    EXPECT_EQ(GradeDifference(table, c.printedBound + 0.1f, c.unit), c.classBelow + 1);
    EXPECT_EQ(GradeDifference(table, -(c.printedBound + 0.1f), c.unit), c.classBelow + 1);
}

constexpr SeverityKind Similar = SeverityKind::SimilarComponents;
constexpr SeverityKind Ambient = SeverityKind::OverAmbient;
constexpr TemperatureUnit C = TemperatureUnit::Celsius;
constexpr TemperatureUnit F = TemperatureUnit::Fahrenheit;
constexpr TemperatureUnit K = TemperatureUnit::Kelvin;

INSTANTIATE_TEST_SUITE_P(Published,
                         SeverityBounds,
                         testing::Values(BoundCase {Similar, C, 3.0f, 0},
                                         BoundCase {Similar, C, 15.0f, 1},
                                         BoundCase {Similar, K, 3.0f, 0},
                                         BoundCase {Similar, K, 15.0f, 1},
                                         BoundCase {Similar, F, 5.4f, 0},
                                         BoundCase {Similar, F, 27.0f, 1},
                                         BoundCase {Ambient, C, 10.0f, 0},
                                         BoundCase {Ambient, C, 20.0f, 1},
                                         BoundCase {Ambient, C, 40.0f, 2},
                                         BoundCase {Ambient, K, 10.0f, 0},
                                         BoundCase {Ambient, K, 20.0f, 1},
                                         BoundCase {Ambient, K, 40.0f, 2},
                                         BoundCase {Ambient, F, 18.0f, 0},
                                         BoundCase {Ambient, F, 36.0f, 1},
                                         BoundCase {Ambient, F, 72.0f, 2}));

// The tables give whole degrees: 3.0 K is the last of "1–3 K", and 3.5 K, between the printed
// ranges, already belongs to "4–15 K".
TEST(SeverityTables, ThreeAndAHalfKelvinIsAProbableDeficiency)
{
    const SeverityCriteria similar = BuiltInCriteria(Similar);
    EXPECT_EQ(ClassOfDifference(similar, 3.0f, K)->name, QStringLiteral("Possible deficiency"));
    EXPECT_EQ(ClassOfDifference(similar, 3.5f, K)->name, QStringLiteral("Probable deficiency"));
    EXPECT_EQ(ClassOfDifference(similar, 3.5f, C)->name, QStringLiteral("Probable deficiency"));
    EXPECT_EQ(ClassOfDifference(similar, 6.3f, F)->name, QStringLiteral("Probable deficiency"));
    // Below the first published degree there is no other class: the lowest one.
    EXPECT_EQ(GradeDifference(similar, 0.0f, C), 0);
    EXPECT_EQ(GradeDifference(similar, 0.4f, F), 0);
}

TEST(SeverityTables, ClassesSuggestRisingPriorities)
{
    struct Expected
    {
        const char* name;
        const char* action;
        quint32 priority;
    };
    const auto check = [](const SeverityCriteria& table, std::vector<Expected> expected) {
        ASSERT_EQ(CheckCriteria(table), std::nullopt);
        ASSERT_EQ(table.classes.size(), expected.size());
        for (size_t index = 0; index < expected.size(); ++index) {
            EXPECT_EQ(table.classes[index].name, QString::fromUtf8(expected[index].name));
            EXPECT_EQ(table.classes[index].action, QString::fromUtf8(expected[index].action));
            EXPECT_EQ(table.classes[index].priority, expected[index].priority);
        }
    };
    check(BuiltInCriteria(Similar),
          {{"Possible deficiency", "Warrants investigation", 2},
           {"Probable deficiency", "Repair as time permits", 3},
           {"Major discrepancy", "Repair immediately", 5}});
    check(BuiltInCriteria(Ambient),
          {{"Possible deficiency", "Warrants investigation", 2},
           {"Probable deficiency", "Repair as time permits", 3},
           {"Serious deficiency", "Monitor until corrective measures can be accomplished", 4},
           {"Major discrepancy", "Repair immediately", 5}});
    EXPECT_EQ(BuiltInCriteria(SeverityKind::Custom).kind, SeverityKind::Custom);
    EXPECT_EQ(BuiltInCriteria(SeverityKind::Custom).classes, BuiltInCriteria(Similar).classes);
    EXPECT_EQ(BuiltInCriteria(SeverityKind::None), SeverityCriteria {});
    EXPECT_EQ(CriteriaName(Ambient), QStringLiteral("Over ambient (NETA)"));
}

} // namespace
