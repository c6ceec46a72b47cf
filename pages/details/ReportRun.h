#pragma once

#include "output/ReportOptions.h"

#include <QString>

class QWidget;
class ReportProject;

struct ReportRunOutcome
{
    bool saved = false;
    int errorCode = 0; // a print error code when not saved
};

// Writes the report to folder + fileName on a worker thread while the window keeps repainting;
// a busy progress window shows when the run takes longer than a moment. User input waits until
// the run is over, so nothing changes the project meanwhile.
ReportRunOutcome RunReport(QWidget* parent,
                           const QString& folder,
                           const QString& fileName,
                           const ReportProject& project,
                           ReportOptions options);
