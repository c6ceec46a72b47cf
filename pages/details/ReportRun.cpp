#include "pages/details/ReportRun.h"

#include "app/strings/StringIds.h"
#include "app/strings/StringSource.h"
#include "output/PrintReport.h"
#include "report/ReportProject.h"

#include <QEventLoop>
#include <QProgressDialog>
#include <QThread>

#include <memory>

namespace {

// How long a run goes before the progress window appears.
constexpr int ProgressDelayMs = 400;

class OutcomeCollector : public ReportNotifications
{
public:
    void FileSaved(const QString&) override { outcome.saved = true; }
    void PrintFailed(int code, const QString&) override
    {
        outcome.saved = false;
        outcome.errorCode = code;
    }

    ReportRunOutcome outcome;
};

} // namespace

ReportRunOutcome RunReport(QWidget* parent,
                           const QString& folder,
                           const QString& fileName,
                           const ReportProject& project,
                           ReportOptions options)
{
    OutcomeCollector collector;
    const ReportProject snapshotOfProject = project;
    std::unique_ptr<QThread> worker(
        QThread::create([&] { PrintReport(folder, fileName, snapshotOfProject, options, collector); }));

    QProgressDialog progress(LoadAppString(StringId::GeneratePdfReport), QString(), 0, 0, parent);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(ProgressDelayMs);
    progress.setCancelButton(nullptr);

    QEventLoop loop;
    QObject::connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit);
    worker->start();
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    worker->wait();
    return collector.outcome;
}
