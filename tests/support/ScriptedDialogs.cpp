#include "ScriptedDialogs.h"

#include <gtest/gtest.h>

ScriptedDialogs::ScriptedDialogs()
{
    SetMessageHandler([this](const ShownMessage& message) {
        messages.push_back(message);
        if (messageAnswers.empty()) {
            return int(ResultOk);
        }
        const int answer = messageAnswers.front();
        messageAnswers.pop_front();
        return answer;
    });
    SetFileChooserHandler([this](const FileRequest& request) -> std::optional<ChosenFile> {
        fileRequests.push_back(request);
        if (fileAnswers.empty()) {
            ADD_FAILURE() << "unexpected file dialog: " << request.title.toStdString();
            return std::nullopt;
        }
        auto answer = fileAnswers.front();
        fileAnswers.pop_front();
        return answer;
    });
    SetDesktopViewerHandler([this](const QString& path) {
        openedFiles.push_back(path);
        return viewerOpens;
    });
    SetMissingFilesHandler([this](cMissingFilesDlg& dialog) {
        if (!missingFiles) {
            ADD_FAILURE() << "unexpected Missing Files dialog";
            dialog.reject();
            return;
        }
        missingFiles(dialog);
    });
}

ScriptedDialogs::~ScriptedDialogs()
{
    SetMessageHandler({});
    SetFileChooserHandler({});
    SetDesktopViewerHandler({});
    SetMissingFilesHandler({});
}

void ScriptedDialogs::ChooseNextFile(const std::optional<QString>& path, int filterIndex)
{
    fileAnswers.push_back(path ? std::optional<ChosenFile>(ChosenFile {*path, filterIndex}) : std::nullopt);
}
