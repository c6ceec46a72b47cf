#pragma once

#include "output/PrintReport.h"
#include "output/ReportOptions.h"
#include "snapshot/Result.h"

#include <QString>

class QWidget;
class ReportProject;

// The report written, or the print error that stopped it (PrintError::Cancelled after Cancel).
using ReportRunOutcome = Result<QString, PrintError>;

// Writes the report to folder + fileName on a worker thread while the window keeps repainting.
// When the run takes longer than a moment, a progress window shows the page being drawn
// ("Page 37 of 102") with Cancel, which stops the run at the next page without writing a file.
// User input to the page waits until the run is over, so nothing changes the project meanwhile.
ReportRunOutcome RunReport(QWidget* parent,
                           const QString& folder,
                           const QString& fileName,
                           const ReportProject& project,
                           ReportOptions options);
