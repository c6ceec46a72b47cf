#include "FileChooser.h"

#include <QFileDialog>

#include <algorithm>

namespace {

FileChooserHandler& Handler()
{
    static FileChooserHandler handler;
    return handler;
}

} // namespace

std::optional<ChosenFile> ChooseFile(QWidget* parent, const FileRequest& request)
{
    if (Handler()) {
        return Handler()(request);
    }
    QFileDialog dialog(parent, request.title);
    dialog.setAcceptMode(request.kind == FileRequest::Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.kind == FileRequest::Save         ? QFileDialog::AnyFile
                           : request.kind == FileRequest::Folder ? QFileDialog::Directory
                                                                 : QFileDialog::ExistingFile);
    if (request.kind == FileRequest::Folder) {
        dialog.setOption(QFileDialog::ShowDirsOnly);
    } else {
        dialog.setNameFilter(request.filter);
    }
    dialog.setDefaultSuffix(request.defaultSuffix);
    dialog.selectFile(request.initialName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    // A selected filter the list does not hold (some native dialogs rename them) reads as the first.
    const int filterIndex = int(dialog.nameFilters().indexOf(dialog.selectedNameFilter()));
    return ChosenFile {dialog.selectedFiles().constFirst(), std::max(filterIndex, 0)};
}

void SetFileChooserHandler(FileChooserHandler handler)
{
    Handler() = std::move(handler);
}
