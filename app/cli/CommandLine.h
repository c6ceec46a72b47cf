#pragma once

#include "CommandResult.h"

#include "snapshot/TemperatureUnit.h"

#include <QString>
#include <QStringList>

// The program's command-line modes, which answer without a display.
enum class CommandMode { Info, Csv, Png, Help };

struct CommandRequest
{
    CommandMode mode = CommandMode::Help;
    QString snapshotPath;
    QString outputPath; // --png only
    TemperatureUnit unit = TemperatureUnit::Celsius;
    int scale = 1; // --png only, 1..64
};

// The request, or a Usage error saying what was wrong, for the line above the usage text.
using CommandLineParse = Result<CommandRequest, CommandError>;

// True when the arguments (without the program name) ask for a command-line mode rather than
// the windowed program: the first one is an option.
bool IsCommandLineRequest(const QStringList& arguments);

// Parses "--info FILE [--unit c|f|k]", "--csv FILE [--unit c|f|k]", "--png FILE OUT [--scale N]"
// and "--help"; options may come before or after the file names, as "--opt value" or "--opt=value".
CommandLineParse ParseCommandLine(const QStringList& arguments);

QString UsageText();
