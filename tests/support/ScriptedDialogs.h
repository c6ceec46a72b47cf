#pragma once

#include "app/gui/DesktopViewer.h"
#include "app/gui/FileChooser.h"
#include "app/gui/MessageBox.h"
#include "app/gui/cMissingFilesDlg.h"

#include <deque>
#include <optional>
#include <vector>

// Installs the test seams of the message box, the file chooser and the desktop viewer for the life
// of the object: every message, file request and file to open is recorded, and answered from a
// script. A message with no scripted answer gets OK; a file request with no scripted answer fails
// the test and cancels; a file to open is taken as opened unless `viewerOpens` is false. The
// Missing Files dialog goes to `missingFiles`; without one it fails the test and is cancelled.
class ScriptedDialogs
{
public:
    ScriptedDialogs();
    ~ScriptedDialogs();
    ScriptedDialogs(const ScriptedDialogs&) = delete;
    ScriptedDialogs& operator=(const ScriptedDialogs&) = delete;

    void AnswerNextMessage(int result) { messageAnswers.push_back(result); }
    // The next file request is answered with the path, as chosen through the filter at filterIndex;
    // no path cancels it.
    void ChooseNextFile(const std::optional<QString>& path, int filterIndex = 0);

    std::vector<ShownMessage> messages;
    std::vector<FileRequest> fileRequests;
    std::vector<QString> openedFiles;
    bool viewerOpens = true;
    std::function<void(cMissingFilesDlg&)> missingFiles;

private:
    std::deque<int> messageAnswers;
    std::deque<std::optional<ChosenFile>> fileAnswers;
};
