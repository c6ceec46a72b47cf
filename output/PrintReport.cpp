#include "PrintReport.h"

#include "CheckedDevice.h"
#include "PageGeometry.h"
#include "PdfNavigation.h"
#include "ReportLayout.h"

#include "app/strings/StringIds.h"
#include "app/strings/StringSource.h"
#include "report/ReportProject.h"

#include <QDir>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTemporaryFile>

namespace {

// Counts the pages as they are started and asks the caller's progress whether to go on.
class PageSteps
{
public:
    PageSteps(ReportProgress* progress, int total)
        : progress(progress)
        , total(total)
    { }

    bool Next()
    {
        ++page;
        return !progress || progress->StartingPage(page, total);
    }

private:
    ReportProgress* progress;
    int total;
    int page = 0;
};

// Remembers whether the run was stopped, so that a stop is not taken for a failure.
class StopWatch : public ReportProgress
{
public:
    explicit StopWatch(ReportProgress* progress)
        : progress(progress)
    { }

    bool StartingPage(int page, int total) override
    {
        stopped = progress && !progress->StartingPage(page, total);
        return !stopped;
    }

    bool stopped = false;

private:
    ReportProgress* progress;
};

bool DrawPages(QPdfWriter& writer, QPainter& painter, ReportLayout& layout, int inspections, ReportProgress* progress)
{
    layout.CountPages();
    PageSteps steps(progress, layout.totalPageCount);
    if (!steps.Next()) {
        return false;
    }
    layout.DrawTitlePage(painter);
    for (int page = 0; page < layout.contentsPageCount; ++page) {
        if (!steps.Next() || !writer.newPage()) {
            return false;
        }
        layout.DrawContentsPage(painter, page);
    }
    for (int inspection = 0; inspection < inspections; ++inspection) {
        if (!steps.Next() || !writer.newPage()) {
            return false;
        }
        layout.DrawInspectionPage(painter, inspection);
    }
    for (int page = 0; page < layout.summaryPageCount; ++page) {
        if (!steps.Next() || !writer.newPage()) {
            return false;
        }
        layout.DrawSummaryPage(painter, page);
    }
    return true;
}

QString WriteFailure(const QFileDevice& file)
{
    return file.error() != QFileDevice::NoError ? file.errorString() : QStringLiteral("write failed");
}

} // namespace

QString PrintErrorMessage(int code)
{
    switch (PrintError(code)) {
    case PrintError::TemporaryFile:
        return LoadAppString(StringId::PdfTemporaryFileError);
    case PrintError::SaveFailed:
        return LoadAppString(StringId::PdfSaveError);
    case PrintError::Cancelled:
        return LoadAppString(StringId::PdfJobCancelled);
    }
    return {};
}

void ConfigureReportWriter(QPdfWriter& writer, const QString& title)
{
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setResolution(PageGeometry::DotsPerInch);
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("thermreport"));
}

bool WriteReportPdf(QIODevice& device,
                    const QString& title,
                    const ReportProject& project,
                    ReportOptions options,
                    ReportProgress* progress,
                    ReportNavigation* navigation)
{
    CheckedDevice checked(device);
    QPdfWriter writer(&checked);
    ConfigureReportWriter(writer, title);

    QPainter painter;
    if (!painter.begin(&writer)) {
        return false;
    }
    ReportLayout layout(project, options);
    const bool drawn = DrawPages(writer, painter, layout, project.InspectionCount(), progress);
    const bool ended = painter.end();
    if (navigation) {
        *navigation = NavigationOf(layout, title);
    }
    return drawn && ended && !checked.Failed();
}

ReportWrite WriteNavigableReport(QIODevice& output,
                                 const QString& workFolder,
                                 const QString& title,
                                 const ReportProject& project,
                                 ReportOptions options,
                                 ReportProgress* progress,
                                 QString& reason)
{
    QTemporaryFile drawn(QDir(workFolder).filePath(title + QStringLiteral(".drawn.XXXXXX")));
    if (!drawn.open()) {
        reason = drawn.errorString();
        return ReportWrite::Failed;
    }
    StopWatch watch(progress);
    ReportNavigation navigation;
    if (!WriteReportPdf(drawn, title, project, options, &watch, &navigation)) {
        if (watch.stopped) {
            return ReportWrite::Cancelled;
        }
        reason = WriteFailure(drawn);
        return ReportWrite::Failed;
    }
    if (!drawn.flush()) {
        reason = WriteFailure(drawn);
        return ReportWrite::Failed;
    }
    reason = AddPdfNavigation(drawn.fileName(), output, navigation);
    return reason.isEmpty() ? ReportWrite::Written : ReportWrite::Failed;
}

bool PrintReport(const QString& folder,
                 const QString& fileName,
                 const ReportProject& project,
                 ReportOptions options,
                 ReportNotifications& notifications,
                 ReportProgress* progress)
{
    const QString path = QDir(folder).filePath(fileName);
    const auto failed = [&](PrintError code, const QString& reason) {
        notifications.PrintFailed(int(code), QStringLiteral("%1: %2").arg(path, reason));
        return false;
    };
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return failed(PrintError::SaveFailed, file.errorString());
    }
    QString reason;
    switch (WriteNavigableReport(file, folder, fileName, project, options, progress, reason)) {
    case ReportWrite::Cancelled:
        file.cancelWriting();
        return failed(PrintError::Cancelled, QStringLiteral("cancelled"));
    case ReportWrite::Failed:
        if (file.error() != QFileDevice::NoError) {
            reason = file.errorString();
        }
        file.cancelWriting();
        return failed(PrintError::SaveFailed, reason);
    case ReportWrite::Written:
        break;
    }
    if (!file.commit()) {
        return failed(PrintError::SaveFailed, file.errorString());
    }
    notifications.FileSaved(path);
    return true;
}
