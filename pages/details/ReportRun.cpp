#include "pages/details/ReportRun.h"

#include "app/strings/StringIds.h"
#include "app/strings/StringSource.h"
#include "output/PrintReport.h"
#include "output/PrintfText.h"
#include "pages/details/ReportRunProgress.h"
#include "report/ReportProject.h"

#include <QEventLoop>
#include <QProgressDialog>
#include <QThread>
#include <QTimer>

#include <limits>
#include <memory>

namespace {

// How long a run goes before the progress window appears.
constexpr int ProgressDelayMs = 400;

class OutcomeCollector : public ReportNotifications
{
public:
    void FileSaved(const QString& path) override
    {
        outcome.saved = true;
        outcome.path = path;
    }
    void PrintFailed(int code, const QString&) override
    {
        outcome.saved = false;
        outcome.errorCode = code;
    }

    ReportRunOutcome outcome;
};

void ShowPage(QProgressDialog& dialog, int page, int total)
{
    dialog.setMaximum(total);
    dialog.setValue(page - 1);
    dialog.setLabelText(
        FillPlaceholders(LoadAppString(StringId::PageOf), {QString::number(page), QString::number(total)}));
}

} // namespace

ReportRunOutcome RunReport(QWidget* parent,
                           const QString& folder,
                           const QString& fileName,
                           const ReportProject& project,
                           ReportOptions options)
{
    OutcomeCollector collector;
    ReportRunProgress progress;
    const ReportProject snapshotOfProject = project;
    // Message boxes switch the process's string source on this thread while the report is drawn.
    const StringSourceState strings = StringSource();
    std::unique_ptr<QThread> worker(QThread::create([&] {
        const ThreadStringSource workerStrings(strings);
        PrintReport(folder, fileName, snapshotOfProject, options, collector, &progress);
    }));

    QProgressDialog dialog(LoadAppString(StringId::GeneratePdfReport), LoadAppString(StringId::Cancel), 0, 0, parent);
    dialog.setObjectName(QStringLiteral("reportProgress"));
    dialog.setWindowTitle(LoadAppString(StringId::GeneratePdfReport));
    dialog.setWindowModality(Qt::WindowModal);
    // Shown by the timer below; the dialog's own timing would show it while input is held back.
    dialog.setMinimumDuration(std::numeric_limits<int>::max());
    dialog.setAutoClose(false);
    dialog.setAutoReset(false);

    QEventLoop loop;
    bool finished = false;
    QObject::connect(worker.get(), &QThread::finished, &loop, [&] {
        finished = true;
        loop.quit();
    });
    // Delivered queued: the worker emits from its own thread.
    QObject::connect(&progress, &ReportRunProgress::PageStarting, &dialog, [&](int page, int total) {
        if (!progress.Cancelled()) {
            ShowPage(dialog, page, total);
        }
    });
    QObject::connect(&dialog, &QProgressDialog::canceled, &loop, [&] {
        progress.Cancel();
        loop.quit();
    });
    QTimer::singleShot(ProgressDelayMs, &dialog, [&] {
        if (!finished && !progress.Cancelled()) {
            dialog.show();
            loop.quit();
        }
    });

    worker->start();
    // Until the window shows, input waits; then the window is modal and takes its Cancel; after
    // a Cancel, input waits again for the page being drawn to end.
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    if (!finished && !progress.Cancelled()) {
        loop.exec();
    }
    if (!finished) {
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    worker->wait();
    return collector.outcome;
}
