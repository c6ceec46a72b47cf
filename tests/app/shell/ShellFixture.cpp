#include "ShellFixture.h"

#include "app/settings/SettingsStores.h"
#include "app/shell/CMainFrame.h"
#include "app/shell/StandardMessageBox.h"
#include "report/ProjectFileIO.h"
#include "report/ReportProject.h"

#include <QAction>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLineEdit>

void ShellTest::SetUp()
{
    ClearSettings();
    SetMessageHandler([this](const ShownMessage& message) {
        shown.push_back(message);
        if (answers.empty()) {
            return int(ResultOk);
        }
        const int answer = answers.front();
        answers.pop_front();
        return answer;
    });
    SetStandardMessageHandler([this](const ShownMessage& message) {
        shownStandard.push_back(message);
        return int(ResultOk);
    });
    SetFileChooserHandler([this](const FileRequest& request) -> std::optional<ChosenFile> {
        fileRequests.push_back(request);
        if (chosenFiles.empty()) {
            return std::nullopt;
        }
        const auto chosen = chosenFiles.front();
        chosenFiles.pop_front();
        if (!chosen) {
            return std::nullopt;
        }
        return ChosenFile {*chosen};
    });
}

void ShellTest::TearDown()
{
    app.reset();
    SetMessageHandler({});
    SetStandardMessageHandler({});
    SetFileChooserHandler({});
    ClearSettings();
}

void ShellTest::ClearSettings()
{
    for (const auto& store : {OpenFrameworkProfile(), OpenProgramKey()}) {
        const QString path = store->fileName();
        store->clear();
        store->sync();
        QFile::remove(path);
        QDir(path).removeRecursively();
    }
}

CQvxReportWriterApp& ShellTest::Start(const std::optional<QString>& projectPath)
{
    app = std::make_unique<CQvxReportWriterApp>(QCoreApplication::applicationDirPath());
    app->InitInstance(projectPath);
    app->MainFrame()->show();
    return *app;
}

void ShellTest::Trigger(unsigned int commandId)
{
    QAction* action = app->MainFrame()->CommandAction(commandId);
    ASSERT_NE(action, nullptr) << commandId;
    action->trigger();
}

void ShellTest::EditProject(const QString& company)
{
    auto* edit = app->MainFrame()->findChild<QLineEdit*>(QStringLiteral("companyEdit"));
    ASSERT_NE(edit, nullptr);
    // Added to what is there: the page may already show the same name as a default.
    edit->setText(edit->text() + company);
}

QString ShellTest::WriteNewProject(const QString& name)
{
    const QString path = folder.filePath(name);
    EXPECT_TRUE(SaveProjectFile(path, NewReportProject(QDateTime::currentDateTime())).Ok());
    return path;
}
