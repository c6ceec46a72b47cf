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
