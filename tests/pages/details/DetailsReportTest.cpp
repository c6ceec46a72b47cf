#include "DetailsFixture.h"

#include "pages/details/ReportRunProgress.h"
#include "report/ProjectFileIO.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProgressDialog>
#include <QPushButton>
#include <QThread>
#include <QTimer>

namespace {

using DetailsReport = DetailsFixture;

TEST_F(DetailsReport, NoInspectionsNoReport)
{
    Open();
    Child<QPushButton>("generateButton")->click();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "No reports selected");
    EXPECT_EQ(dialogs.messages[0].icon, IconExclamation);
    EXPECT_TRUE(dialogs.fileRequests.empty());
}

TEST_F(DetailsReport, CancelledDialogDoesNothing)
{
    AddInspection(2);
    Open();
    dialogs.ChooseNextFile(std::nullopt);
    Child<QPushButton>("generateButton")->click();
    ASSERT_EQ(dialogs.fileRequests.size(), 1u);
    EXPECT_EQ(dialogs.fileRequests[0].kind, FileRequest::Save);
    EXPECT_EQ(dialogs.fileRequests[0].initialName, "report");
    EXPECT_EQ(dialogs.fileRequests[0].defaultSuffix, "pdf");
    EXPECT_EQ(dialogs.fileRequests[0].filter, "PDF Files (*.pdf);;All Files (*.*)");
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(Record(0).cursorA, -1);
}

TEST_F(DetailsReport, UnsetCursorsAreFilledAndKeptInTheSavedProject)
{
    AddInspection(3);
    AddInspection(3);
    AddInspection(1);
    Open();
    Type("nameEdit", "Shown first");
    const QString pdf = folder.filePath("site.pdf");
    dialogs.ChooseNextFile(pdf);
    Child<QPushButton>("generateButton")->click();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "The report was saved as " + QDir::toNativeSeparators(pdf));
    EXPECT_EQ(dialogs.messages[0].icon, IconInformation);
    EXPECT_EQ(dialogs.messages[0].buttons, ButtonsOpenOk);
    EXPECT_TRUE(dialogs.openedFiles.empty()) << "OK opens nothing";
    ASSERT_TRUE(QFile::exists(pdf));
    QFile written(pdf);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_TRUE(written.read(5).startsWith("%PDF-"));
    EXPECT_EQ(Record(0).name, "Shown first");
    EXPECT_EQ(Record(1).cursorA, 1);
    EXPECT_EQ(Record(1).cursorB, 2);
    EXPECT_EQ(Record(2).cursorA, 1);
    EXPECT_EQ(Record(2).cursorB, 0);

    const QString project = folder.filePath("site.QVR");
    ASSERT_TRUE(SaveProjectFile(project, document.Project()).Ok());
    const ProjectReadResult loaded = LoadProjectFile(project);
    ASSERT_TRUE(loaded.Ok());
    EXPECT_EQ(loaded.Value().DetailsAt(1)->cursorA, 1);
    EXPECT_EQ(loaded.Value().DetailsAt(1)->cursorB, 2);
}

// The dialog starts in the folder of the last report while the project has no file, then beside
// the project under its name.
TEST_F(DetailsReport, DialogStartsBesideTheProjectOrWhereTheLastReportWent)
{
    AddInspection(2);
    Open();
    const QString reports = folder.filePath("reports");
    ASSERT_TRUE(QDir().mkpath(reports));
    dialogs.ChooseNextFile(QDir(reports).filePath("first.pdf"));
    Child<QPushButton>("generateButton")->click();
    ASSERT_TRUE(QFile::exists(QDir(reports).filePath("first.pdf")));
    dialogs.ChooseNextFile(std::nullopt);
    Child<QPushButton>("generateButton")->click();
    ASSERT_EQ(dialogs.fileRequests.size(), 2u);
    EXPECT_EQ(dialogs.fileRequests[1].initialName, QDir(reports).filePath("report"));

    const QString project = folder.filePath("Pump house.QVR");
    ASSERT_TRUE(SaveProjectFile(project, document.Project()).Ok());
    ASSERT_TRUE(document.OpenProjectPath(project));
    dialogs.ChooseNextFile(std::nullopt);
    Child<QPushButton>("generateButton")->click();
    ASSERT_EQ(dialogs.fileRequests.size(), 3u);
    EXPECT_EQ(dialogs.fileRequests[2].initialName, folder.filePath("Pump house.pdf"));
}

TEST_F(DetailsReport, WindowKeepsProcessingEventsWhileTheReportIsWritten)
{
    for (int i = 0; i < 3; ++i) {
        AddInspection(2);
    }
    Open();
    bool handled = false;
    QTimer::singleShot(0, page.get(), [&handled] { handled = true; });
    dialogs.ChooseNextFile(folder.filePath("busy.pdf"));
    Child<QPushButton>("generateButton")->click();
    // Nothing ran the event loop after the click: the timer fired during the run.
    EXPECT_TRUE(handled);
    EXPECT_TRUE(QFile::exists(folder.filePath("busy.pdf")));
}

TEST_F(DetailsReport, OpenShowsTheReportInTheDesktopsViewer)
{
    AddInspection(1);
    Open();
    const QString pdf = folder.filePath("site.pdf");
    dialogs.ChooseNextFile(pdf);
    dialogs.AnswerNextMessage(ResultOpen);
    Child<QPushButton>("generateButton")->click();
    EXPECT_EQ(dialogs.openedFiles, std::vector<QString> {pdf});
    EXPECT_EQ(dialogs.messages.size(), 1u);

    dialogs.viewerOpens = false;
    dialogs.ChooseNextFile(pdf);
    dialogs.AnswerNextMessage(ResultOpen);
    Child<QPushButton>("generateButton")->click();
    ASSERT_EQ(dialogs.messages.size(), 3u);
    EXPECT_EQ(dialogs.messages[2].text, "Could not open the report in a PDF viewer.");
    EXPECT_EQ(dialogs.messages[2].icon, IconExclamation);
}

// Cancel, pressed in the progress window while the third page is due: the worker stops there.
TEST_F(DetailsReport, CancelInTheProgressWindowKeepsTheOldReport)
{
    for (int i = 0; i < 4; ++i) {
        AddInspection(2);
    }
    Open();
    const QString pdf = folder.filePath("site.pdf");
    {
        QFile previous(pdf);
        ASSERT_TRUE(previous.open(QIODevice::WriteOnly));
        previous.write("last week's report");
    }
    QString shownBeforeCancel;
    bool windowShown = false;
    SetReportPageHook([&](int page) {
        if (page != 3) {
            return;
        }
        // The window shows after a moment; the worker waits here for it, then Cancel is pressed.
        for (int wait = 0; wait < 200 && !windowShown; ++wait) {
            QMetaObject::invokeMethod(
                qApp,
                [&] {
                    for (QWidget* window : QApplication::topLevelWidgets()) {
                        auto* progress = qobject_cast<QProgressDialog*>(window);
                        if (progress && progress->objectName() == "reportProgress" && progress->isVisible()) {
                            shownBeforeCancel = progress->labelText();
                            progress->findChild<QPushButton*>()->click();
                            windowShown = true;
                        }
                    }
                },
                Qt::BlockingQueuedConnection);
            if (!windowShown) {
                QThread::msleep(50);
            }
        }
    });
    dialogs.ChooseNextFile(pdf);
    Child<QPushButton>("generateButton")->click();
    SetReportPageHook({});

    EXPECT_TRUE(windowShown);
    EXPECT_EQ(shownBeforeCancel, "Page 2 of 7");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "The report was cancelled.");
    EXPECT_EQ(dialogs.messages[0].icon, IconInformation);
    QFile kept(pdf);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), "last week's report");
    EXPECT_EQ(folder.entryList({"site.pdf*"}, QDir::Files | QDir::Hidden), QStringList {"site.pdf"});
}

TEST_F(DetailsReport, FailedWriteShowsTheSaveError)
{
    AddInspection(1);
    Open();
    dialogs.ChooseNextFile(folder.filePath("missing-folder/report.pdf"));
    Child<QPushButton>("generateButton")->click();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "Error saving PDF file");
    EXPECT_EQ(dialogs.messages[0].icon, IconExclamation);
}

} // namespace
