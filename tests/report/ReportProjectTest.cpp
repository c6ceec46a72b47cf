#include "report/ReportProject.h"

#include <gtest/gtest.h>

namespace {

InspectionSelection Selection(const QString& snapshot)
{
    return {snapshot, {}, {}};
}

InspectionDetails Named(const QString& name)
{
    InspectionDetails details;
    details.name = name;
    return details;
}

ReportProject ThreeInspections()
{
    ReportProject project;
    project.AppendInspection(Selection("a.qvx"), Named("A"));
    project.AppendInspection(Selection("b.qvx"), Named("B"));
    project.AppendInspection(Selection("c.qvx"), Named("C"));
    return project;
}

TEST(InspectionDetails, NewRecordHasNoCursorChosenAndNoCondition)
{
    const InspectionDetails details;
    EXPECT_EQ(details.cursorA, -1);
    EXPECT_EQ(details.cursorB, -1);
    EXPECT_EQ(details.repairPriority, 0);
    EXPECT_EQ(details.materialCondition, 0);
    EXPECT_FALSE(details.inspectedSet || details.repairedSet || details.reinspectedSet);
    EXPECT_EQ(details.inspectedDate, OleDate());
}

TEST(ReportProject, NewProjectShowsTodayToTheSecondAndHasNoInspections)
{
    const QDateTime now(QDate(2026, 6, 15), QTime(10, 30, 12, 734));
    const ReportProject project = NewReportProject(now);
    EXPECT_TRUE(project.title.showDate);
    EXPECT_EQ(DateTimeFromOleDate(project.title.date), QDateTime(QDate(2026, 6, 15), QTime(10, 30, 12)));
    EXPECT_EQ(project.InspectionCount(), 0);
    EXPECT_EQ(project.Details().Count(), 0);
    EXPECT_EQ(project.CurrentPosition(), 0);
}

TEST(ReportProject, AddingWithoutDetailsAppendsADefaultRecord)
{
    ReportProject project;
    project.AppendInspection(Selection("a.qvx"));
    ASSERT_EQ(project.Details().Count(), 1);
    EXPECT_EQ(*project.DetailsAt(0), InspectionDetails());
}

TEST(ReportProject, RemovingKeepsSelectionsAndDetailsPaired)
{
    ReportProject project = ThreeInspections();
    project.RemoveInspection(1);
    ASSERT_EQ(project.InspectionCount(), 2);
    ASSERT_EQ(project.Details().Count(), 2);
    EXPECT_EQ(project.SelectionAt(1)->snapshotPath, "c.qvx");
    EXPECT_EQ(project.DetailsAt(1)->name, "C");

    project.RemoveInspection(2);
    project.RemoveInspection(-1);
    EXPECT_EQ(project.InspectionCount(), 2);
    EXPECT_EQ(project.Details().Count(), 2);

    project.RemoveAllInspections();
    EXPECT_EQ(project.InspectionCount(), 0);
    EXPECT_EQ(project.Details().Count(), 0);
}

TEST(ReportProject, IndexesOutsideTheListGiveNothing)
{
    ReportProject project = ThreeInspections();
    EXPECT_EQ(project.SelectionAt(-1), nullptr);
    EXPECT_EQ(project.SelectionAt(3), nullptr);
    EXPECT_EQ(project.DetailsAt(3), nullptr);
    EXPECT_NE(project.DetailsAt(2), nullptr);
}

TEST(ReportProject, ListsOfDifferentLengthsMakeNoProject)
{
    EXPECT_FALSE(ReportProject::FromLists({}, {Selection("a"), Selection("b")}, {{}, {}, {}}).has_value());
    const auto project = ReportProject::FromLists({}, {Selection("a")}, {Named("A")});
    ASSERT_TRUE(project.has_value());
    EXPECT_EQ(project->DetailsAt(0)->name, "A");
}

// A move as the rows of the Image Select page make it, and where the shown inspection ends up.
struct MoveCase
{
    int from;
    int to;
    int shownBefore; // 1-based, 0 for none
    const char* order; // the inspections' names afterwards
    int shownAfter;
};

class InspectionMove : public testing::TestWithParam<MoveCase>
{
};

TEST_P(InspectionMove, SelectionAndDetailsMoveTogetherAndTheShownOneIsFollowed)
{
    const MoveCase& c = GetParam();
    ReportProject project = ThreeInspections();
    project.SelectionAt(0)->measurement.emissivity = 0.5f;
    project.SetCurrentPosition(c.shownBefore);
    const bool valid = c.from >= 0 && c.from < 3 && c.to >= 0 && c.to < 3;
    EXPECT_EQ(project.MoveInspection(c.from, c.to), valid);
    QString order;
    for (int index = 0; index < project.InspectionCount(); ++index) {
        order += project.DetailsAt(index)->name;
        // Each record still sits beside its own files and measurement settings.
        EXPECT_EQ(project.SelectionAt(index)->snapshotPath, project.DetailsAt(index)->name.toLower() + ".qvx");
        EXPECT_EQ(project.SelectionAt(index)->measurement.emissivity.has_value(),
                  project.DetailsAt(index)->name == "A");
    }
    EXPECT_EQ(order, c.order);
    EXPECT_EQ(project.CurrentPosition(), c.shownAfter);
}

INSTANTIATE_TEST_SUITE_P(Moves,
                         InspectionMove,
                         testing::Values(MoveCase {1, 0, 2, "BAC", 1},
                                         MoveCase {0, 1, 2, "BAC", 1},
                                         MoveCase {0, 2, 1, "BCA", 3},
                                         MoveCase {2, 0, 1, "CAB", 2},
                                         MoveCase {2, 0, 3, "CAB", 1},
                                         MoveCase {0, 2, 3, "BCA", 2},
                                         MoveCase {1, 2, 1, "ACB", 1},
                                         MoveCase {1, 1, 2, "ABC", 2},
                                         MoveCase {0, 1, 0, "BAC", 0},
                                         MoveCase {2, 3, 3, "ABC", 3},
                                         MoveCase {-1, 0, 1, "ABC", 1}));

TEST(DetailsList, RemovingOutsideTheListDoesNothing)
{
    DetailsList list;
    list.AppendDetails(Named("A"));
    list.RemoveDetails(1);
    list.RemoveDetails(-1);
    EXPECT_EQ(list.Count(), 1);
}

TEST(DetailsList, RemoveAllTellsHowManyRemain)
{
    DetailsList list;
    list.AppendDetails(Named("A"));
    list.AppendDetails(Named("B"));
    list.SetCurrentPosition(2);
    EXPECT_EQ(list.RemoveAllDetails(), 0);
    EXPECT_EQ(list.CurrentPosition(), 0);
}

TEST(DetailsList, CurrentPositionStaysWithinTheList)
{
    DetailsList list;
    list.SetCurrentPosition(1);
    EXPECT_EQ(list.CurrentPosition(), 0);
    list.AppendDetails(Named("A"));
    list.AppendDetails(Named("B"));
    list.SetCurrentPosition(5);
    EXPECT_EQ(list.CurrentPosition(), 2);
    list.SetCurrentPosition(-3);
    EXPECT_EQ(list.CurrentPosition(), 0);
    list.SetCurrentPosition(2);
    list.RemoveDetails(1);
    EXPECT_EQ(list.CurrentPosition(), 1);
}

} // namespace
