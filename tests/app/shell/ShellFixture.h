#pragma once

#include "app/gui/FileChooser.h"
#include "app/gui/MessageBox.h"
#include "app/shell/CQvxReportWriterApp.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <optional>
#include <vector>

class QAction;

// Each test starts from empty settings, with the message boxes and file dialogs scripted: answers are
// taken from the queues (OK, or a cancelled file dialog, once a queue is empty) and everything shown is kept.
class ShellTest : public testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    static void ClearSettings();

    // Starts the application as the program does, with the language libraries of the program's folder.
    CQvxReportWriterApp& Start(const std::optional<QString>& projectPath = std::nullopt);

    // Triggers a menu command of the running application.
    void Trigger(unsigned int commandId);

    // Types a company name after the one on the Title Page, as the user would: the project has changes.
    void EditProject(const QString& company = QStringLiteral("Changed Ltd"));

    // A new project written to `name` in the temporary folder.
    QString WriteNewProject(const QString& name);

    std::unique_ptr<CQvxReportWriterApp> app;
    QTemporaryDir folder;
    std::deque<int> answers;
    std::vector<ShownMessage> shown;
    std::vector<ShownMessage> shownStandard;
    std::deque<std::optional<QString>> chosenFiles;
    std::vector<FileRequest> fileRequests;
};
