#include "app/dialogs/ProjectPacking.h"

#include "app/gui/CQvxReportWriterDoc.h"
#include "app/gui/FileChooser.h"
#include "app/gui/MessageBox.h"
#include "app/strings/StringIds.h"
#include "app/strings/StringSource.h"
#include "output/PrintfText.h"
#include "report/ProjectPack.h"

#include <QDir>
#include <QEventLoop>
#include <QLocale>
#include <QProgressDialog>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <limits>
#include <memory>

namespace {

// How long a pack goes before the progress window appears.
constexpr int ProgressDelayMs = 400;

QString Filled(unsigned id, const QStringList& values)
{
    return FillPlaceholders(LoadAppString(id), values);
}

bool HoldsAnything(const QString& folder)
{
    return !QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System).isEmpty();
}

QString FailureText(const PackResult& packed, const QString& folder)
{
    if (packed.error == PackError::Cancelled) {
        return Filled(StringId::PackCancelled, {folder});
    }
    QString headline;
    switch (packed.error) {
    case PackError::FolderNotEmpty:
        return Filled(StringId::PackFolderNotEmpty, {folder});
    case PackError::CannotCreateFolder:
        headline = Filled(StringId::PackCannotCreateFolder, {packed.path});
        break;
    case PackError::CannotRead:
        headline = Filled(StringId::PackCannotRead, {packed.path});
        break;
    case PackError::CannotWrite:
    case PackError::Cancelled:
    case PackError::None:
        headline = Filled(StringId::PackCannotWrite, {packed.path});
        break;
    }
    const QString detail = packed.reason.isEmpty() ? QString() : packed.reason + u'\n';
    return JoinMessage(headline, detail + Filled(StringId::PackNothingLeft, {folder}));
}

// Runs the pack on a worker so that the window stays alive; the progress window appears when it
// takes a while, and its Cancel stops the pack before the next file.
PackResult RunPack(const ReportProject& project, const QString& name, const QString& folder, QWidget* parent)
{
    std::atomic<bool> cancelled {false};
    QProgressDialog dialog(LoadAppString(StringId::PackProject), LoadAppString(StringId::Cancel), 0, 0, parent);
    dialog.setObjectName(QStringLiteral("packProgress"));
    dialog.setWindowTitle(LoadAppString(StringId::PackProject));
    dialog.setWindowModality(Qt::WindowModal);
    dialog.setMinimumDuration(std::numeric_limits<int>::max());
    dialog.setAutoClose(false);
    dialog.setAutoReset(false);

    PackResult packed;
    std::unique_ptr<QThread> worker(QThread::create([&] {
        packed = PackProject(project, name, folder, [&](int file, int total) {
            QMetaObject::invokeMethod(&dialog, [&dialog, file, total] {
                dialog.setMaximum(total);
                dialog.setValue(file - 1);
                dialog.setLabelText(Filled(StringId::PackFileOf, {QString::number(file), QString::number(total)}));
            });
            return !cancelled;
        });
    }));
    QEventLoop loop;
    bool finished = false;
    QObject::connect(worker.get(), &QThread::finished, &loop, [&] {
        finished = true;
        loop.quit();
    });
    QObject::connect(&dialog, &QProgressDialog::canceled, &loop, [&] { cancelled = true; });
    QTimer::singleShot(ProgressDelayMs, &dialog, [&] {
        if (!finished) {
            dialog.show();
            loop.quit();
        }
    });
    worker->start();
    // Until the window shows, input waits; then the window is modal and takes its Cancel.
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    if (!finished) {
        loop.exec();
    }
    worker->wait();
    return packed;
}

} // namespace

bool PackOpenProject(CQvxReportWriterDoc& document, QWidget* parent)
{
    const auto chosen = ChooseFile(parent, {FileRequest::Folder, LoadAppString(StringId::PackProject), {}, {}, {}});
    if (!chosen) {
        return false;
    }
    const QString folder = QDir::cleanPath(chosen->path);
    if (HoldsAnything(folder)) {
        MessageBox(Filled(StringId::PackFolderNotEmpty, {folder}), IconExclamation, ButtonsOk);
        return false;
    }
    // The pages store what they show; the packed project states the template and unit it is
    // shown in, so that it prints the same wherever it goes.
    emit document.GatherForSaving();
    ReportProject project = document.Project();
    project.reportTemplate = document.Template();
    project.unit = document.Unit();

    const PackResult packed = RunPack(project, document.documentName(), folder, parent);
    if (!packed.Ok()) {
        MessageBox(
            FailureText(packed, folder), packed.error == PackError::Cancelled ? IconInformation : IconError, ButtonsOk);
        return false;
    }
    MessageBox(Filled(StringId::PackDone,
                      {folder, QString::number(packed.fileCount), QLocale().formattedDataSize(packed.totalBytes)}),
               IconInformation,
               ButtonsOk);
    return true;
}
