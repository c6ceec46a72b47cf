#include "ShellFixture.h"

#include "app/dialogs/cSeverityCriteriaDlg.h"
#include "app/gui/CQvxReportWriterDoc.h"
#include "app/settings/Settings.h"
#include "app/shell/CMainFrame.h"
#include "app/shell/MainMenu.h"
#include "output/SeverityTables.h"
#include "report/ProjectFileIO.h"
#include "report/ReportProject.h"
#include "report/SeverityEntry.h"
#include "tools/demoproject/DemoProject.h"

#include <QApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTimer>

#include <cmath>
#include <functional>

namespace {

using SeverityDialog = ShellTest;

QString Cell(const cSeverityCriteriaDlg& dialog, int row, int column)
{
    const QTableWidgetItem* item = dialog.findChild<QTableWidget*>("criteriaTable")->item(row, column);
    return item ? item->text() : QString();
}

template<typename T>
T* Named(const QWidget& dialog, const QString& name)
{
    return dialog.findChild<T*>(name);
}

void Choose(cSeverityCriteriaDlg& dialog, SeverityKind kind)
{
    auto* list = Named<QComboBox>(dialog, "kindList");
    list->setCurrentIndex(int(kind));
    emit list->activated(int(kind));
}

// The built-in tables show their bounds in the page's unit and the priority each class suggests,
// which is the only thing the user may change there.
TEST_F(SeverityDialog, BuiltInTableShowsItsMappingAndTakesOnlyPriorities)
{
    cSeverityCriteriaDlg dialog({}, TemperatureUnit::Fahrenheit);
    EXPECT_FALSE(Named<QTableWidget>(dialog, "criteriaTable")->isVisibleTo(&dialog));
    Choose(dialog, SeverityKind::OverAmbient);
    EXPECT_EQ(Named<QTableWidget>(dialog, "criteriaTable")->rowCount(), 4);
    EXPECT_EQ(Cell(dialog, 0, 0), QStringLiteral("18.0 °F"));
    EXPECT_EQ(Cell(dialog, 2, 0), QStringLiteral("72.0 °F"));
    EXPECT_EQ(Cell(dialog, 3, 0), QStringLiteral("above 72.0 °F"));
    EXPECT_EQ(Cell(dialog, 2, 2), QStringLiteral("Monitor until corrective measures can be accomplished"));
    EXPECT_TRUE(Named<QLabel>(dialog, "gradesNote")->text().contains(QStringLiteral("Cursor 2 is the ambient")));
    EXPECT_TRUE(Named<QLabel>(dialog, "boundaryNote")->text().contains(QStringLiteral("3.0 K falls in that class")));
    EXPECT_FALSE(Named<QPushButton>(dialog, "addClassButton")->isVisibleTo(&dialog));
    QList<int> priorities;
    for (int row = 0; row < 4; ++row) {
        priorities << Named<QSpinBox>(dialog, QStringLiteral("priority%1").arg(row))->value();
    }
    EXPECT_EQ(priorities, (QList<int> {2, 3, 4, 5}));
    EXPECT_FALSE(Named<QTableWidget>(dialog, "criteriaTable")->item(0, 1)->flags() & Qt::ItemIsEditable);

    Named<QSpinBox>(dialog, "priority2")->setValue(5);
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    SeverityCriteria expected = BuiltInCriteria(SeverityKind::OverAmbient);
    expected.classes[2].priority = 5;
    EXPECT_EQ(dialog.Chosen(), expected);
}

TEST_F(SeverityDialog, CustomTableIsCheckedBeforeItIsTaken)
{
    cSeverityCriteriaDlg dialog(BuiltInCriteria(SeverityKind::OverAmbient), TemperatureUnit::Celsius);
    Choose(dialog, SeverityKind::Custom);
    // Custom starts from the table on show.
    EXPECT_EQ(Named<QTableWidget>(dialog, "criteriaTable")->rowCount(), 4);
    EXPECT_EQ(Named<QDoubleSpinBox>(dialog, "bound1")->value(), 20.0);

    Named<QDoubleSpinBox>(dialog, "bound1")->setValue(10.0);
    dialog.accept();
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, QStringLiteral("The upper bounds must rise from class to class (class 2)."));

    Named<QDoubleSpinBox>(dialog, "bound2")->setValue(41.0);
    EXPECT_EQ(Cell(dialog, 3, 0), QStringLiteral("above 41.0 °C"));
    Named<QDoubleSpinBox>(dialog, "bound2")->setValue(40.0);
    Named<QDoubleSpinBox>(dialog, "bound1")->setValue(12.5);
    Named<QTableWidget>(dialog, "criteriaTable")->item(3, 1)->setText(QStringLiteral("  "));
    dialog.accept();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[1].text, QStringLiteral("Every class needs a name (class 4)."));

    Named<QTableWidget>(dialog, "criteriaTable")->item(3, 1)->setText(QStringLiteral("Hot, \"really\""));
    Named<QPushButton>(dialog, "addClassButton")->click();
    EXPECT_EQ(Named<QTableWidget>(dialog, "criteriaTable")->rowCount(), 5);
    EXPECT_FALSE(Named<QPushButton>(dialog, "addClassButton")->isEnabled());
    dialog.accept();
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[2].text, QStringLiteral("Every class needs a name (class 4)."));
    Named<QTableWidget>(dialog, "criteriaTable")->item(3, 1)->setText(QStringLiteral("Serious"));
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    const SeverityCriteria chosen = dialog.Chosen();
    EXPECT_EQ(chosen.kind, SeverityKind::Custom);
    ASSERT_EQ(chosen.classes.size(), 5u);
    EXPECT_EQ(chosen.classes[1].upperBound, 12.5f);
    EXPECT_EQ(chosen.classes[3].upperBound, 45.0f);
    EXPECT_EQ(chosen.classes[4].name, QStringLiteral("Hot, \"really\""));
    EXPECT_TRUE(std::isinf(chosen.classes[4].upperBound));
}

// Bounds are typed in the page's unit and kept in kelvin; one left alone keeps every digit.
TEST_F(SeverityDialog, CustomBoundsInFahrenheitAreKeptInKelvin)
{
    const SeverityCriteria current {SeverityKind::Custom,
                                    {{2.345f, QStringLiteral("Low"), {}, 1},
                                     {7.0f, QStringLiteral("Mid"), {}, 3},
                                     {INFINITY, QStringLiteral("High"), {}, 5}}};
    cSeverityCriteriaDlg dialog(current, TemperatureUnit::Fahrenheit);
    EXPECT_EQ(Named<QDoubleSpinBox>(dialog, "bound0")->value(), 4.2);
    EXPECT_EQ(Named<QDoubleSpinBox>(dialog, "bound1")->value(), 12.6);
    dialog.accept();
    EXPECT_EQ(dialog.Chosen(), current);

    Named<QDoubleSpinBox>(dialog, "bound1")->setValue(18.0);
    Named<QTableWidget>(dialog, "criteriaTable")->setCurrentCell(0, 1);
    Named<QPushButton>(dialog, "removeClassButton")->click();
    dialog.accept();
    ASSERT_EQ(dialog.Chosen().classes.size(), 2u);
    EXPECT_EQ(dialog.Chosen().classes[0].upperBound, 10.0f);
    EXPECT_EQ(dialog.Chosen().classes[0].name, QStringLiteral("Mid"));

    // A built-in table shows its bounds as text, no editor left over from the custom one.
    Choose(dialog, SeverityKind::SimilarComponents);
    EXPECT_EQ(Named<QTableWidget>(dialog, "criteriaTable")->cellWidget(0, 0), nullptr);
    EXPECT_EQ(Cell(dialog, 0, 0), QStringLiteral("5.4 °F"));
    EXPECT_EQ(Cell(dialog, 2, 0), QStringLiteral("above 27.0 °F"));
}

// Runs `handle` on the dialog the next command opens.
void InNextDialog(std::function<void(cSeverityCriteriaDlg&)> handle)
{
    QTimer::singleShot(0, [handle] {
        if (auto* dialog = qobject_cast<cSeverityCriteriaDlg*>(QApplication::activeModalWidget())) {
            handle(*dialog);
        }
    });
}

TEST_F(SeverityDialog, MenuChoiceGradesTheProjectAndBecomesTheDefault)
{
    Start();
    InNextDialog([](cSeverityCriteriaDlg& dialog) {
        Choose(dialog, SeverityKind::SimilarComponents);
        Named<QPushButton>(dialog, "okButton")->click();
    });
    Trigger(CommandId::SeverityCriteria);
    CQvxReportWriterDoc& document = *app->Document();
    EXPECT_EQ(document.Criteria(), BuiltInCriteria(SeverityKind::SimilarComponents));
    EXPECT_TRUE(document.IsModified());
    EXPECT_EQ(ReadSeverityEntry(GetSeverityCriteriaSetting()), BuiltInCriteria(SeverityKind::SimilarComponents));

    // Cancel changes nothing; the same choice again does not mark a saved project.
    document.SetModified(false);
    InNextDialog([](cSeverityCriteriaDlg& dialog) {
        Choose(dialog, SeverityKind::None);
        Named<QPushButton>(dialog, "cancelButton")->click();
    });
    Trigger(CommandId::SeverityCriteria);
    InNextDialog([](cSeverityCriteriaDlg& dialog) { Named<QPushButton>(dialog, "okButton")->click(); });
    Trigger(CommandId::SeverityCriteria);
    EXPECT_EQ(document.Criteria().kind, SeverityKind::SimilarComponents);
    EXPECT_FALSE(document.IsModified());
}

// The last choice is the default of new projects; a project file carries its own criteria, and one
// without them grades nothing, whatever the default.
TEST_F(SeverityDialog, NewProjectsTakeTheLastChoiceFilesTheirOwn)
{
    Start();
    CQvxReportWriterDoc& document = *app->Document();
    const QString old = WriteNewProject(QStringLiteral("old.QVR"));
    InNextDialog([](cSeverityCriteriaDlg& dialog) {
        Choose(dialog, SeverityKind::OverAmbient);
        Named<QSpinBox>(dialog, "priority0")->setValue(1);
        Named<QPushButton>(dialog, "okButton")->click();
    });
    Trigger(CommandId::SeverityCriteria);
    SeverityCriteria chosen = BuiltInCriteria(SeverityKind::OverAmbient);
    chosen.classes[0].priority = 1;
    ASSERT_EQ(document.Criteria(), chosen);

    const QString saved = folder.filePath(QStringLiteral("graded.QVR"));
    chosenFiles.push_back(saved);
    ASSERT_TRUE(document.SaveAs());
    document.New();
    EXPECT_EQ(document.Project().severityCriteria, chosen);
    EXPECT_FALSE(document.IsModified());
    ASSERT_TRUE(document.OpenProjectPath(old));
    EXPECT_EQ(document.Project().severityCriteria, std::nullopt);
    EXPECT_EQ(document.Criteria().kind, SeverityKind::None);
    ASSERT_TRUE(document.OpenProjectPath(saved));
    EXPECT_EQ(document.Criteria(), chosen);

    InNextDialog([](cSeverityCriteriaDlg& dialog) {
        Choose(dialog, SeverityKind::None);
        Named<QPushButton>(dialog, "okButton")->click();
    });
    Trigger(CommandId::SeverityCriteria);
    EXPECT_EQ(document.Project().severityCriteria, SeverityCriteria {});
    EXPECT_TRUE(document.IsModified());
    document.New();
    EXPECT_EQ(document.Project().severityCriteria, std::nullopt);
}

using TrackingExport = ShellTest;

TEST_F(TrackingExport, WritesTheOpenProjectsTableWhereTheUserChose)
{
    const QString projectPath = folder.filePath(QStringLiteral("demo.QVR"));
    ASSERT_TRUE(
        SaveProjectFile(projectPath, BuildDemoProject(QStringLiteral(THERMREPORT_SOURCE_DIR "/examples"))).Ok());
    Start(projectPath);
    const QString table = folder.filePath(QStringLiteral("table.csv"));
    chosenFiles.push_back(table);
    Trigger(CommandId::ExportTrackingTable);
    ASSERT_EQ(fileRequests.size(), 1u);
    EXPECT_EQ(fileRequests[0].title, QStringLiteral("Export Tracking Table"));
    EXPECT_EQ(fileRequests[0].initialName, QStringLiteral("demo"));
    EXPECT_EQ(fileRequests[0].defaultSuffix, QStringLiteral("csv"));
    EXPECT_TRUE(shown.empty());
    QFile file(table);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    EXPECT_EQ(lines.size(), app->Document()->Project().InspectionCount() + 2);
    EXPECT_TRUE(lines[0].startsWith("No.,Inspection Name,"));
    EXPECT_FALSE(app->Document()->IsModified());

    // A place that cannot be written is told, with the file and the reason.
    chosenFiles.push_back(folder.filePath(QStringLiteral("demo.QVR/table.csv")));
    Trigger(CommandId::ExportTrackingTable);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_TRUE(shown[0].text.startsWith(QStringLiteral("Could not write the tracking table:\n")));
    EXPECT_TRUE(shown[0].text.contains(QStringLiteral("demo.QVR/table.csv")));
}

TEST_F(TrackingExport, NothingToExportWithoutInspections)
{
    Start();
    Trigger(CommandId::ExportTrackingTable);
    EXPECT_TRUE(fileRequests.empty());
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, QStringLiteral("No reports selected"));
}

} // namespace
