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
    void ChooseNextFile(std::optional<QString> path) { fileAnswers.push_back(std::move(path)); }

    std::vector<ShownMessage> messages;
    std::vector<FileRequest> fileRequests;

private:
    std::deque<int> messageAnswers;
    std::deque<std::optional<QString>> fileAnswers;
};
