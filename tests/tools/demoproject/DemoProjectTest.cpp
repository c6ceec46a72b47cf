#include "tools/demoproject/DemoProject.h"

#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

TEST(DemoProject, OneInspectionPerExampleWithPhotosStrokesAndData)
{
    const QDir examples(QStringLiteral(THERMREPORT_SOURCE_DIR "/examples"));
    const ReportProject project = BuildDemoProject(examples);
    const int snapshots = int(examples.entryList({QStringLiteral("*.qvx")}, QDir::Files).size());
    ASSERT_GE(snapshots, 2);
    ASSERT_EQ(project.InspectionCount(), snapshots);
    bool jpeg = false;
    bool bitmap = false;
    for (int i = 0; i < project.InspectionCount(); ++i) {
        const InspectionSelection& selection = *project.SelectionAt(i);
        EXPECT_TRUE(QFileInfo(selection.snapshotPath).isAbsolute());
        EXPECT_TRUE(QFileInfo::exists(selection.snapshotPath));
        EXPECT_TRUE(selection.imagePath.isEmpty() || QFileInfo::exists(selection.imagePath));
        EXPECT_EQ(QFileInfo(selection.imagePath).completeBaseName(),
                  QFileInfo(selection.snapshotPath).completeBaseName());
        jpeg = jpeg || selection.imagePath.endsWith(QStringLiteral(".jpg"));
        bitmap = bitmap || selection.imagePath.endsWith(QStringLiteral(".bmp"));
        EXPECT_FALSE(selection.strokes.empty());
        EXPECT_FALSE(project.DetailsAt(i)->name.isEmpty());
        EXPECT_FALSE(project.DetailsAt(i)->location.isEmpty());
    }
    EXPECT_TRUE(jpeg);
    EXPECT_TRUE(bitmap);
    EXPECT_FALSE(project.title.company.isEmpty());
    // Whoever opens it sees it as it was made, whatever their settings.
    EXPECT_EQ(project.reportTemplate, ReportTemplate::Maintenance);
    EXPECT_EQ(project.unit, TemperatureUnit::Celsius);
    EXPECT_EQ(BuildDemoProject(examples, ReportTemplate::Buildings).reportTemplate, ReportTemplate::Buildings);
}

} // namespace
