#pragma once

#include "app/gui/FileChooser.h"
#include "app/gui/MessageBox.h"

#include <deque>
#include <optional>
#include <vector>

// Installs the test seams of the message box and the file chooser for the life of the object:
// every message and file request is recorded, and answered from a script. A message with no
// scripted answer gets OK; a file request with no scripted answer fails the test and cancels.
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

private:
    std::deque<int> messageAnswers;
    std::deque<std::optional<ChosenFile>> fileAnswers;
};
