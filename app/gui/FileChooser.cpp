#include "FileChooser.h"

#include <QFileDialog>

namespace {

FileChooserHandler& Handler()
{
    static FileChooserHandler handler;
    return handler;
}

} // namespace

std::optional<QString> ChooseFile(QWidget* parent, const FileRequest& request)
{
    if (Handler()) {
        return Handler()(request);
    }
    QFileDialog dialog(parent, request.title);
    dialog.setAcceptMode(request.kind == FileRequest::Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.kind == FileRequest::Save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilter(request.filter);
    dialog.setDefaultSuffix(request.defaultSuffix);
    dialog.selectFile(request.initialName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst();
}

void SetFileChooserHandler(FileChooserHandler handler)
{
    Handler() = std::move(handler);
}
