#pragma once

#include "ReportNavigation.h"
#include "ReportOptions.h"
#include "ReportProgress.h"

#include <QString>

class QIODevice;
class ReportProject;

// Error codes of a report run, with the messages the user is shown.
enum class PrintError {
    TemporaryFile = 1, // "PDF error saving temporary file on printer server"
    SaveFailed = 3, // "Error saving PDF file"
    Cancelled = 4 // "PDF print job was cancelled"
};

// The string-table message of a print error code; empty for a code without one.
QString PrintErrorMessage(int code);

// Receives the outcome of PrintReport. The report output never shows anything itself; the
// page that started the run shows the message, the command line prints it.
class ReportNotifications
{
public:
    virtual ~ReportNotifications() = default;
    virtual void FileSaved(const QString& path) = 0;
    // `detail` names the file and the system's reason, for the command line.
    virtual void PrintFailed(int code, const QString& detail) = 0;
};

class QPdfWriter;

// A4 portrait, zero margins, 300 dots per inch: the layout's page units. (The PDF page is 595 x
// 842 whole points, 2479 x 3508 units; the layout's last column lies 0.08 mm beyond it.)
void ConfigureReportWriter(QPdfWriter& writer, const QString& title);

// Draws the whole report (title, contents, inspection and summary pages) as an A4 PDF named
// `title` onto `device`. False when the PDF could not be started, any write came up short or
// `progress` stopped the run. `navigation`, when given, receives what makes the report navigable.
bool WriteReportPdf(QIODevice& device,
                    const QString& title,
                    const ReportProject& project,
                    ReportOptions options,
                    ReportProgress* progress = nullptr,
                    ReportNavigation* navigation = nullptr);

enum class ReportWrite { Written, Failed, Cancelled };

// The finished report, with its outline, contents links and document information, written to
// `output`. The pages are drawn into a temporary file in `workFolder` first, which is removed
// whatever happens. On failure `reason` says what went wrong.
ReportWrite WriteNavigableReport(QIODevice& output,
                                 const QString& workFolder,
                                 const QString& title,
                                 const ReportProject& project,
                                 ReportOptions options,
                                 ReportProgress* progress,
                                 QString& reason);

// Writes the report to folder + fileName. The PDF goes to a temporary file beside the target
// and replaces it only when complete, so an existing report is never half overwritten, nor
// touched at all when `progress` cancels the run. Reports the outcome through `notifications`
// (a cancelled run as PrintError::Cancelled) and returns whether the file was saved.
bool PrintReport(const QString& folder,
                 const QString& fileName,
                 const ReportProject& project,
                 ReportOptions options,
                 ReportNotifications& notifications,
                 ReportProgress* progress = nullptr);
