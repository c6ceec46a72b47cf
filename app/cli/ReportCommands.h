#pragma once

#include "CommandResult.h"
#include "report/ProjectPack.h"

#include <QString>
#include <QStringList>

class QIODevice;
class ReportProgress;

// The report modes of the command line, which need no display:
//   --pdf OUT.pdf PROJECT.QVR [--unit c|f|k] [--template maintenance|buildings] [--common-scale]
//   --export-json PROJECT.QVR
//   --export-csv PROJECT.QVR [--unit c|f|k]
//   --pack PROJECT.QVR DIR
// --pdf, --export-json and --pack look for the files of a moved project (MovedFileSearch.h).

// True when the first argument names one of the report modes.
bool IsReportCommand(const QStringList& arguments);

// Runs a report mode; what it prints goes to `output`, the pages being drawn to `progress`, the
// files being packed to `packProgress` and one line for each file found in a new place to `notes`,
// when given. Unit, template and the common colour scale default to the user's settings. On any
// failure no output file is left behind.
CommandResult RunReportCommand(const QStringList& arguments,
                               QIODevice& output,
                               ReportProgress* progress = nullptr,
                               const PackProgress& packProgress = {},
                               QStringList* notes = nullptr);

QString ReportUsageText();

// Runs a report mode on the process's standard output and error; the exit status. The pages
// being drawn show on standard error only when it is a terminal.
int RunReportCommandLine(const QStringList& arguments);
