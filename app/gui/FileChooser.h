#pragma once

#include <QString>

#include <functional>
#include <optional>

class QWidget;

// Every file dialog of the program goes through here, so that tests can script the answer.

struct FileRequest
{
    enum Kind {
        Open,
        Save, // asks before overwriting an existing file
        Folder, // an existing folder, or one the user creates in the dialog; no filter
    };

    Kind kind = Open;
    QString title;
    QString initialName;
    QString defaultSuffix; // appended to a typed name that has none
    QString filter; // Qt filter list, entries separated by ";;"
};

struct ChosenFile
{
    QString path; // full path
    int filterIndex = 0; // position in the request's filter list of the filter selected on OK
};

// The chosen file, or nothing when the user cancelled.
std::optional<ChosenFile> ChooseFile(QWidget* parent, const FileRequest& request);

// While a handler is installed, ChooseFile shows no dialog and returns the handler's answer.
using FileChooserHandler = std::function<std::optional<ChosenFile>(const FileRequest&)>;
void SetFileChooserHandler(FileChooserHandler handler); // an empty handler restores the dialogs
