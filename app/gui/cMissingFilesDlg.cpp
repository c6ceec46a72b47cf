#include "cMissingFilesDlg.h"

#include "FileChooser.h"
#include "MessageBox.h"
#include "WaitCursor.h"
#include "app/strings/StringIds.h"
#include "app/strings/StringSource.h"
#include "output/PrintfText.h"
#include "report/MissingFileList.h"
#include "report/ProjectFiles.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

MissingFilesHandler& Handler()
{
    static MissingFilesHandler handler;
    return handler;
}

QPushButton* AddButton(QBoxLayout* row, unsigned textId, const char* objectName)
{
    auto* button = new QPushButton(LoadAppString(textId));
    button->setObjectName(QLatin1String(objectName));
    button->setAutoDefault(false);
    row->addWidget(button);
    return button;
}

QString BelongsTo(const ReportProject& project, const ProjectFileEntry& entry)
{
    if (entry.kind == ProjectFileKind::Logo) {
        return LoadAppString(StringId::Logo);
    }
    const QString number =
        FillPlaceholders(LoadAppString(StringId::InspectionOfFile), {QString::number(entry.inspection + 1)});
    const InspectionDetails* details = project.DetailsAt(entry.inspection);
    return details && !details->name.isEmpty() ? number + QStringLiteral(" (") + details->name + u')' : number;
}

QString FileFilter(ProjectFileKind kind)
{
    const QString allFiles = LoadAppString(StringId::AllFiles) + QStringLiteral(" (*)");
    if (kind == ProjectFileKind::Snapshot) {
        return LoadAppString(StringId::SnapshotFiles) + QStringLiteral(" (*.qvx *.QVX);;") + allFiles;
    }
    return LoadAppString(StringId::ImageFiles) + QStringLiteral(" (*.jpg *.jpeg *.bmp *.JPG *.JPEG *.BMP);;") +
        allFiles;
}

int RowOf(const MissingFileList& files, const ProjectFileEntry& entry)
{
    const auto& missing = files.Missing();
    for (size_t row = 0; row < missing.size(); ++row) {
        if (missing[row].SameFileAs(entry)) {
            return int(row);
        }
    }
    return -1;
}

} // namespace

cMissingFilesDlg::cMissingFilesDlg(MissingFileList& files, QWidget* parent)
    : QDialog(parent)
    , files(files)
{
    setObjectName(QStringLiteral("missingFilesDlg"));
    setWindowTitle(LoadAppString(StringId::MissingFiles));
    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(LoadAppString(StringId::MissingFilesIntro));
    intro->setWordWrap(true);
    layout->addWidget(intro);

    list = new QTreeWidget;
    list->setObjectName(QStringLiteral("missingFilesList"));
    list->setRootIsDecorated(false);
    list->setAllColumnsShowFocus(true);
    list->setHeaderLabels({LoadAppString(StringId::MissingFileColumn), LoadAppString(StringId::BelongsToColumn)});
    list->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    list->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    list->header()->setStretchLastSection(false);
    layout->addWidget(list);

    auto* buttons = new QHBoxLayout;
    QPushButton* searchButton = AddButton(buttons, StringId::SearchFolder, "searchFolderButton");
    locateButton = AddButton(buttons, StringId::Locate, "locateButton");
    removeButton = AddButton(buttons, StringId::RemoveInspection, "removeButton");
    buttons->addStretch();
    QPushButton* cancelButton = AddButton(buttons, StringId::Cancel, "cancelButton");
    layout->addLayout(buttons);

    connect(searchButton, &QPushButton::clicked, this, &cMissingFilesDlg::SearchFolder);
    connect(locateButton, &QPushButton::clicked, this, &cMissingFilesDlg::LocateSelected);
    connect(removeButton, &QPushButton::clicked, this, &cMissingFilesDlg::RemoveSelected);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(list, &QTreeWidget::currentItemChanged, this, &cMissingFilesDlg::ShowButtons);
    connect(list, &QTreeWidget::itemActivated, this, &cMissingFilesDlg::LocateSelected);

    resize(720, 360);
    ShowRows();
    list->setFocus();
}

void cMissingFilesDlg::ShowRows()
{
    const int current = std::max(list->indexOfTopLevelItem(list->currentItem()), 0);
    list->clear();
    for (const ProjectFileEntry& entry : files.Missing()) {
        auto* item = new QTreeWidgetItem(list, {entry.path, BelongsTo(files.Project(), entry)});
        item->setToolTip(0, entry.path);
    }
    if (list->topLevelItemCount() > 0) {
        list->setCurrentItem(list->topLevelItem(std::min(current, list->topLevelItemCount() - 1)));
    }
    ShowButtons();
}

void cMissingFilesDlg::ShowButtons()
{
    const int row = list->indexOfTopLevelItem(list->currentItem());
    const bool selected = row >= 0 && row < int(files.Missing().size());
    locateButton->setEnabled(selected);
    removeButton->setEnabled(selected);
    const bool logo = selected && files.Missing()[size_t(row)].kind == ProjectFileKind::Logo;
    removeButton->setText(LoadAppString(logo ? StringId::RemoveLogo : StringId::RemoveInspection));
}

void cMissingFilesDlg::FinishWhenDone()
{
    ShowRows();
    if (files.Done()) {
        accept();
    }
}

std::optional<QString> cMissingFilesDlg::ChooseAmong(const QString& name, const QStringList& paths)
{
    if (chooseDuplicate) {
        return chooseDuplicate(name, paths);
    }
    bool chosen = false;
    const QString path = QInputDialog::getItem(this,
                                               LoadAppString(StringId::MissingFiles),
                                               FillPlaceholders(LoadAppString(StringId::SameNameFiles), {name}),
                                               paths,
                                               0,
                                               false,
                                               &chosen);
    return chosen ? std::optional(path) : std::nullopt;
}

void cMissingFilesDlg::SearchFolder()
{
    const auto folder =
        ChooseFile(this, {FileRequest::Folder, LoadAppString(StringId::ChooseSearchFolder), {}, {}, {}});
    if (!folder) {
        return;
    }
    std::vector<QStringList> candidates;
    {
        WaitCursor waiting;
        candidates = files.SearchFolder(folder->path);
    }
    // Rows go as files are located, so each is found again by what it is.
    const std::vector<ProjectFileEntry> searched = files.Missing();
    bool anyFound = false;
    for (size_t index = 0; index < searched.size(); ++index) {
        const QStringList& paths = candidates[index];
        if (paths.isEmpty()) {
            continue;
        }
        anyFound = true;
        const auto chosen =
            paths.size() == 1 ? std::optional(paths.first()) : ChooseAmong(PathFileName(searched[index].path), paths);
        if (chosen) {
            files.Locate(RowOf(files, searched[index]), *chosen);
        }
    }
    if (!anyFound) {
        MessageBox(FillPlaceholders(LoadAppString(StringId::NothingFoundInFolder), {folder->path}),
                   IconExclamation,
                   ButtonsOk);
    }
    FinishWhenDone();
}

void cMissingFilesDlg::LocateSelected()
{
    const int row = list->indexOfTopLevelItem(list->currentItem());
    if (row < 0 || row >= int(files.Missing().size())) {
        return;
    }
    const ProjectFileEntry entry = files.Missing()[size_t(row)];
    const auto chosen = ChooseFile(this,
                                   {FileRequest::Open,
                                    LoadAppString(StringId::Locate).remove(QStringLiteral("...")),
                                    PathFileName(entry.path),
                                    {},
                                    FileFilter(entry.kind)});
    if (!chosen) {
        return;
    }
    if (!files.Locate(row, chosen->path)) {
        const unsigned problem =
            entry.kind == ProjectFileKind::Snapshot ? StringId::NotAValidSnapshot : StringId::NotAValidPicture;
        MessageBox(FillPlaceholders(LoadAppString(problem), {chosen->path}), IconExclamation, ButtonsOk);
        return;
    }
    FinishWhenDone();
}

void cMissingFilesDlg::RemoveSelected()
{
    const int row = list->indexOfTopLevelItem(list->currentItem());
    if (row < 0 || row >= int(files.Missing().size())) {
        return;
    }
    files.Remove(row);
    FinishWhenDone();
}

bool ResolveMissingFiles(MissingFileList& files, QWidget* parent)
{
    cMissingFilesDlg dialog(files, parent);
    if (Handler()) {
        Handler()(dialog);
    } else {
        dialog.exec();
    }
    return dialog.result() == QDialog::Accepted && files.Done();
}

void SetMissingFilesHandler(MissingFilesHandler handler)
{
    Handler() = std::move(handler);
}
