#pragma once

#include <QDialog>
#include <QStringList>

#include <functional>
#include <optional>

class MissingFileList;
class QPushButton;
class QTreeWidget;

// "Missing Files": the files of a project being opened that are still missing, each with the
// inspection it belongs to (or "Logo"). The user locates one, searches a folder for all of them,
// or removes the inspection of one; the dialog closes accepted once nothing is missing any more.
// Cancel abandons the open.
class cMissingFilesDlg : public QDialog
{
    Q_OBJECT

public:
    explicit cMissingFilesDlg(MissingFileList& files, QWidget* parent = nullptr);

    // Asks which of several files of one name to use; nothing when the user declines. Tests
    // replace the list dialog with their own answer.
    using DuplicateChooser = std::function<std::optional<QString>(const QString& name, const QStringList& paths)>;
    void SetDuplicateChooser(DuplicateChooser chooser) { chooseDuplicate = std::move(chooser); }

    void SearchFolder();
    void LocateSelected();
    void RemoveSelected();

private:
    void ShowRows();
    void ShowButtons();
    void FinishWhenDone();
    std::optional<QString> ChooseAmong(const QString& name, const QStringList& paths);

    MissingFileList& files;
    DuplicateChooser chooseDuplicate;
    QTreeWidget* list = nullptr;
    QPushButton* locateButton = nullptr;
    QPushButton* removeButton = nullptr;
};

// Shows the dialog for `files`: true when nothing is missing any more and `files.Project()` is the
// project to open, false when the user cancelled.
bool ResolveMissingFiles(MissingFileList& files, QWidget* parent);

// Test seam: while a handler is installed, it gets the dialog in place of its modal loop, presses
// its buttons, and the dialog's result counts as if the user had closed it.
using MissingFilesHandler = std::function<void(cMissingFilesDlg& dialog)>;
void SetMissingFilesHandler(MissingFilesHandler handler); // an empty handler restores the dialog
