#include "tools/demoproject/DemoProject.h"

#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

// The two surveys together cover every example snapshot; the reference plate is in both.
TEST(DemoProject, EveryExampleWithItsPhotoStrokesAndData)
{
    const QDir examples(QStringLiteral(THERMREPORT_SOURCE_DIR "/examples"));
    const ReportProject plant = BuildDemoProject(examples);
    const ReportProject building = BuildBuildingsDemoProject(examples);
    const int snapshots = int(examples.entryList({QStringLiteral("*.qvx")}, QDir::Files).size());
    ASSERT_GE(snapshots, 2);
    ASSERT_EQ(plant.InspectionCount() + building.InspectionCount(), snapshots + 1);
    EXPECT_EQ(building.InspectionCount(), 3);
    bool jpeg = false;
    bool bitmap = false;
    for (const ReportProject* project : {&plant, &building}) {
        EXPECT_TRUE(QFileInfo::exists(project->title.logoPath));
        for (int i = 0; i < project->InspectionCount(); ++i) {
            const InspectionSelection& selection = *project->SelectionAt(i);
            EXPECT_TRUE(QFileInfo(selection.snapshotPath).isAbsolute());
            EXPECT_TRUE(QFileInfo::exists(selection.snapshotPath));
            EXPECT_TRUE(selection.imagePath.isEmpty() || QFileInfo::exists(selection.imagePath));
            EXPECT_EQ(QFileInfo(selection.imagePath).completeBaseName(),
                      QFileInfo(selection.snapshotPath).completeBaseName());
            jpeg = jpeg || selection.imagePath.endsWith(QStringLiteral(".jpg"));
            bitmap = bitmap || selection.imagePath.endsWith(QStringLiteral(".bmp"));
            const InspectionDetails& details = *project->DetailsAt(i);
            const bool reference = details.name == QStringLiteral("Reference plate");
            EXPECT_EQ(selection.strokes.empty(), reference);
            EXPECT_FALSE(details.name.isEmpty());
            EXPECT_FALSE(details.location.isEmpty());
            EXPECT_FALSE(details.faultAction.isEmpty());
            EXPECT_EQ(details.repairPriority == 0, reference) << details.name.toStdString();
        }
        EXPECT_FALSE(project->title.company.isEmpty());
    }
    EXPECT_TRUE(jpeg);
    EXPECT_TRUE(bitmap);
    // Whoever opens them sees them as they were made, whatever their settings.
    EXPECT_EQ(plant.reportTemplate, ReportTemplate::Maintenance);
    EXPECT_EQ(building.reportTemplate, ReportTemplate::Buildings);
    EXPECT_EQ(plant.unit, TemperatureUnit::Celsius);
    // The loosest connection gets the highest priority, the fuse contact a lower one.
    EXPECT_EQ(plant.DetailsAt(1)->repairPriority, 5);
    EXPECT_LT(plant.DetailsAt(2)->repairPriority, plant.DetailsAt(1)->repairPriority);
}

TEST(DemoProject, PriorityFollowsTheRiseInWholeKelvinSteps)
{
    const std::pair<float, int> steps[] = {
        {0.4f, 0}, {1.0f, 1}, {3.9f, 1}, {4.0f, 2}, {9.9f, 2}, {10.0f, 3}, {19.9f, 3}, {20.0f, 4}, {40.0f, 5}};
    for (const auto& [rise, priority] : steps) {
        EXPECT_EQ(DemoPriorityFor(rise), priority) << rise;
    }
}

} // namespace
