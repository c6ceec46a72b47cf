#include "EndToEndFixture.h"

#include "app/gui/CQvxReportWriterDoc.h"
#include "app/settings/Settings.h"
#include "pages/details/DetailsDlg.h"
#include "pages/imageselect/ImageSelectDlg.h"
#include "pages/title/TitleDlg.h"
#include "report/ReportProject.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

constexpr unsigned CommandNew = 2100;
constexpr unsigned CommandOpen = 2101;
constexpr unsigned CommandSave = 2102;
constexpr unsigned CommandTemplate = 32774;

QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class EndToEnd : public EndToEndFixture
{
protected:
    ReportProject& Project() { return app->Document()->Project(); }

    void ChooseSampleFolders()
    {
        ShowTab(1);
        const QString examples = QStringLiteral(THERMREPORT_SOURCE_DIR "/examples");
        ImageSelectDlg* page = ImageSelect();
        page->findChild<QLineEdit*>("snapshotFolderEdit")->setText(examples);
        Click(page, "snapshotRefreshButton");
        QTRY_VERIFY_WITH_TIMEOUT(!page->Filling(), 30000);
        page->findChild<QLineEdit*>("imageFolderEdit")->setText(examples);
        Click(page, "imageRefreshButton");
        QTRY_VERIFY_WITH_TIMEOUT(!page->Filling(), 30000);
        Click(page, "addAllButton");
        Click(page, "pairAllButton");
    }
};

TEST_F(EndToEnd, ReportFromTwoFoldersThroughBothTemplates)
{
    // First run: the Maintenance template.
    Start();
    ChooseSampleFolders();
    ASSERT_EQ(ImageSelect()->RowCount(), 9);
    ASSERT_EQ(Project().InspectionCount(), 9);
    // "<< Add All" gives each snapshot the photo of its own name, wherever the list has it
    // (Refresh lists the folder's bitmaps before its JPEG files).
    const QDir examples(QStringLiteral(THERMREPORT_SOURCE_DIR "/examples"));
    for (int row = 0; row < 9; ++row) {
        const InspectionSelection* selection = Project().SelectionAt(row);
        EXPECT_EQ(QFileInfo(selection->imagePath).completeBaseName(),
                  QFileInfo(selection->snapshotPath).completeBaseName())
            << row;
        EXPECT_TRUE(QFileInfo::exists(selection->imagePath)) << row;
    }
    Screenshot("image-select-maintenance");

    ShowTab(0);
    chosenFiles.push_back(examples.filePath("pump-coupling.jpg"));
    Click(Title(), "setImageButton");
    EXPECT_EQ(Project().title.logoPath, examples.filePath("pump-coupling.jpg"));
    Type(Title(), "companyEdit", "Northwind Power");
    Type(Title(), "authorEdit", "E. Tester");
    Type(Title(), "generalCommentsEdit", "Annual survey of the switch room.");
    Screenshot("title-maintenance");

    ShowTab(2);
    DetailsDlg* details = Details();
    EXPECT_EQ(details->findChild<QLabel*>("positionText")->text(), "Inspection 1 of 9");
    Type(details, "nameEdit", "Connector lug L1");
    Type(details, "operatorEdit", "T. Tester");
    Type(details, "faultEdit", "Tighten the lug");
    Choose(details, "priorityList", 4);
    Choose(details, "unitList", 1);
    Choose(details, "cursorListB", 0);
    Drag(details, {90, 78}, {290, 148});
    EXPECT_TRUE(details->findChild<QAbstractSpinBox*>("reflectedEdit")->text().endsWith("\u00B0F"));
    Screenshot("details-maintenance");
    Click(details, "nextButton");
    Type(details, "nameEdit", "Fuse holder F3");
    ShowTab(0);
    ShowTab(2);
    EXPECT_EQ(details->findChild<QLineEdit*>("nameEdit")->text(), "Fuse holder F3");

    const QString projectPath = folder.filePath("survey.QVR");
    chosenFiles.push_back(projectPath);
    Trigger(CommandSave);
    const QByteArray firstSave = FileBytes(projectPath);
    ASSERT_FALSE(firstSave.isEmpty());
    const ReportProject saved = Project();
    EXPECT_EQ(saved.DetailsAt(0)->name, "Connector lug L1");
    EXPECT_EQ(saved.DetailsAt(0)->cursorA, 1);
    EXPECT_EQ(saved.DetailsAt(0)->cursorB, 0);
    EXPECT_EQ(saved.DetailsAt(0)->repairPriority, 4);
    EXPECT_EQ(saved.DetailsAt(1)->name, "Fuse holder F3");
    EXPECT_EQ(saved.SelectionAt(0)->strokes.size(), 1u);
    EXPECT_EQ(saved.title.company, "Northwind Power");

    Trigger(CommandNew);
    EXPECT_EQ(Project().InspectionCount(), 0);
    EXPECT_EQ(ImageSelect()->RowCount(), 0);
    EXPECT_EQ(details->findChild<QLabel*>("positionText")->text(), "Inspection 0 of 0");
    EXPECT_TRUE(details->findChild<QLineEdit*>("nameEdit")->text().isEmpty());

    chosenFiles.push_back(projectPath);
    Trigger(CommandOpen);
    // Everything back, shown from the first inspection.
    ReportProject expected = saved;
    expected.SetCurrentPosition(1);
    EXPECT_EQ(Project(), expected);
    EXPECT_EQ(ImageSelect()->RowCount(), 9);
    EXPECT_EQ(Title()->findChild<QLineEdit*>("companyEdit")->text(), "Northwind Power");
    EXPECT_EQ(details->findChild<QLineEdit*>("nameEdit")->text(), "Connector lug L1");
    Trigger(CommandSave);
    EXPECT_EQ(FileBytes(projectPath), firstSave);

    // A date picked on the Title Page is printed by a report made before any save.
    ShowTab(0);
    Title()->findChild<QDateTimeEdit*>("datePicker")->setDateTime(QDateTime(QDate(2026, 3, 14), QTime(10, 0)));
    ShowTab(2);
    const QString pdfPath = folder.filePath("survey.pdf");
    chosenFiles.push_back(pdfPath);
    Click(details, "generateButton");
    KeepReport(pdfPath);
    const QString text = PdfText(pdfPath);
    EXPECT_TRUE(text.contains("Thermography Inspection Report")) << text.left(400).toStdString();
    EXPECT_TRUE(text.contains("Northwind Power"));
    EXPECT_TRUE(text.contains("14th March 2026"));
    EXPECT_TRUE(text.contains("Connector lug L1"));
    EXPECT_TRUE(text.contains("Fuse holder F3"));
    EXPECT_TRUE(text.contains("Tighten the lug"));
    EXPECT_TRUE(text.contains("\u00B0F"));
    // Inspections never shown were given their cursors for the report, and keep them.
    EXPECT_EQ(Project().DetailsAt(5)->cursorA, 1);
    // The only message names the report and offers to open it; OK leaves it closed.
    ASSERT_EQ(shown.size(), 1u) << shown.front().text.toStdString();
    EXPECT_EQ(shown.front().text, "The report was saved as " + QDir::toNativeSeparators(pdfPath));
    EXPECT_EQ(shown.front().buttons, ButtonsOpenOk);
    shown.clear();
    Quit();

    // Second run: the same project, switched to the Buildings template from the Tools menu.
    EXPECT_EQ(GetTempUnit(), 1);
    Start();
    chosenFiles.push_back(projectPath);
    Trigger(CommandOpen);
    ShowTab(2);
    details = Details();
    EXPECT_EQ(details->findChild<QLabel*>("operatorLabel")->text(), "Operator");
    QTimer::singleShot(0, [] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            dialog->findChild<QComboBox*>("choiceList")->setCurrentIndex(1);
            dialog->findChild<QPushButton*>("okButton")->click();
        }
    });
    Trigger(CommandTemplate);
    EXPECT_EQ(GetTemplate(), 1);
    EXPECT_EQ(details->findChild<QLabel*>("operatorLabel")->text(), "Inspector");
    EXPECT_EQ(details->findChild<QLabel*>("indoorUnit")->text(), "\u00B0F");
    EXPECT_EQ(details->findChild<QLabel*>("windUnit")->text(), "mph");
    Click(details, "nextButton");
    Type(details, "indoorEdit", "68");
    Type(details, "windEdit", "12");
    Choose(details, "materialList", 1);
    Screenshot("details-buildings");
    ShowTab(0);
    Screenshot("title-buildings");
    ShowTab(1);
    Screenshot("image-select-buildings");
    ShowTab(2);
    Trigger(CommandSave);
    EXPECT_EQ(Project().DetailsAt(1)->indoorTemperature, "68");
    EXPECT_EQ(Project().DetailsAt(1)->materialCondition, 1);
    EXPECT_EQ(Project().DetailsAt(0)->name, "Connector lug L1");

    const QString buildingsPdf = folder.filePath("building.pdf");
    chosenFiles.push_back(buildingsPdf);
    Click(details, "generateButton");
    KeepReport(buildingsPdf);
    const QString buildingText = PdfText(buildingsPdf);
    EXPECT_TRUE(buildingText.contains("Building Inspection Report")) << buildingText.left(400).toStdString();
    EXPECT_TRUE(buildingText.contains("Fuse holder F3"));
    ASSERT_EQ(shown.size(), 1u) << shown.front().text.toStdString();
    EXPECT_EQ(shown.front().text, "The report was saved as " + QDir::toNativeSeparators(buildingsPdf));
}

} // namespace
