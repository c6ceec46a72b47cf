#include "PrintReport.h"

#include "CheckedDevice.h"
#include "PageGeometry.h"
#include "ReportLayout.h"

#include "app/strings/StringIds.h"
#include "app/strings/StringSource.h"
#include "report/ReportProject.h"

#include <QDir>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace {

bool DrawPages(QPdfWriter& writer, QPainter& painter, ReportLayout& layout, int inspections)
{
    layout.CountPages();
    layout.DrawTitlePage(painter);
    for (int page = 0; page < layout.contentsPageCount; ++page) {
        if (!writer.newPage()) {
            return false;
        }
        layout.DrawContentsPage(painter, page);
    }
    for (int inspection = 0; inspection < inspections; ++inspection) {
        if (!writer.newPage()) {
            return false;
        }
        layout.DrawInspectionPage(painter, inspection);
    }
    for (int page = 0; page < layout.summaryPageCount; ++page) {
        if (!writer.newPage()) {
            return false;
        }
        layout.DrawSummaryPage(painter, page);
    }
    return true;
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

bool WriteReportPdf(QIODevice& device, const QString& title, const ReportProject& project, ReportOptions options)
{
    CheckedDevice checked(device);
    QPdfWriter writer(&checked);
    ConfigureReportWriter(writer, title);

    QPainter painter;
    if (!painter.begin(&writer)) {
        return false;
    }
    ReportLayout layout(project, options);
    const bool drawn = DrawPages(writer, painter, layout, project.InspectionCount());
    const bool ended = painter.end();
    return drawn && ended && !checked.Failed();
}

bool PrintReport(const QString& folder,
                 const QString& fileName,
                 const ReportProject& project,
                 ReportOptions options,
                 ReportNotifications& notifications)
{
    const QString path = QDir(folder).filePath(fileName);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        notifications.PrintFailed(int(PrintError::SaveFailed), QStringLiteral("%1: %2").arg(path, file.errorString()));
        return false;
    }
    if (!WriteReportPdf(file, fileName, project, options)) {
        const QString reason =
            file.error() != QFileDevice::NoError ? file.errorString() : QStringLiteral("write failed");
        file.cancelWriting();
        notifications.PrintFailed(int(PrintError::SaveFailed), QStringLiteral("%1: %2").arg(path, reason));
        return false;
    }
    if (!file.commit()) {
        notifications.PrintFailed(int(PrintError::SaveFailed), QStringLiteral("%1: %2").arg(path, file.errorString()));
        return false;
    }
    notifications.FileSaved(path);
    return true;
}
