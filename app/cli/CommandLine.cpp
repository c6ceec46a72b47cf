#include "CommandLine.h"

#include "CommandArguments.h"

#include <optional>

namespace {

constexpr int MaxScale = 64;

std::optional<CommandMode> ModeNamed(const QString& argument)
{
    if (argument == "--info") {
        return CommandMode::Info;
    }
    if (argument == "--csv") {
        return CommandMode::Csv;
    }
    if (argument == "--png") {
        return CommandMode::Png;
    }
    if (argument == "--help" || argument == "-h") {
        return CommandMode::Help;
    }
    return std::nullopt;
}

CommandLineParse Failure(const QString& error)
{
    return CommandLineParse::Failure(CommandError::Usage, error);
}

int FileCount(CommandMode mode)
{
    switch (mode) {
    case CommandMode::Info:
    case CommandMode::Csv:
        return 1;
    case CommandMode::Png:
        return 2;
    case CommandMode::Help:
        break;
    }
    return 0;
}

} // namespace

bool IsCommandLineRequest(const QStringList& arguments)
{
    return !arguments.isEmpty() && arguments.first().startsWith('-');
}

CommandLineParse ParseCommandLine(const QStringList& arguments)
{
    if (arguments.isEmpty()) {
        return Failure("no command given");
    }
    const std::optional<CommandMode> mode = ModeNamed(arguments.first());
    if (!mode) {
        return Failure(QString("unknown command \"%1\"").arg(arguments.first()));
    }

    CommandRequest request;
    request.mode = *mode;
    const CommandArguments split = SplitCommandArguments(arguments);
    if (!split.error.isEmpty()) {
        return Failure(split.error);
    }
    const QStringList& files = split.files;
    bool unitGiven = false;
    bool scaleGiven = false;
    for (const auto& [argument, value] : split.options) {
        if (argument == "--unit" && (*mode == CommandMode::Info || *mode == CommandMode::Csv) && !unitGiven) {
            const std::optional<TemperatureUnit> unit = UnitNamed(value);
            if (!unit) {
                return Failure(QString("unknown unit \"%1\" (use c, f or k)").arg(value));
            }
            request.unit = *unit;
            unitGiven = true;
        } else if (argument == "--scale" && *mode == CommandMode::Png && !scaleGiven) {
            bool number = false;
            const int scale = value.toInt(&number);
            if (!number || scale < 1 || scale > MaxScale) {
                return Failure(QString("the scale must be a whole number from 1 to %1").arg(MaxScale));
            }
            request.scale = scale;
            scaleGiven = true;
        } else {
            return Failure(QString("unexpected option %1").arg(argument));
        }
    }

    if (files.size() != FileCount(*mode)) {
        return Failure(*mode == CommandMode::Help      ? QString("--help takes no file names")
                           : *mode == CommandMode::Png ? QString("--png needs a snapshot file and an output file")
                                                       : QString("%1 needs one snapshot file").arg(arguments.first()));
    }
    if (!files.isEmpty()) {
        request.snapshotPath = files[0];
    }
    if (files.size() > 1) {
        request.outputPath = files[1];
    }
    return request;
}

QString UsageText()
{
    return QStringLiteral(
        "Usage:\n"
        "  thermreport [PROJECT.QVR]                       the program's window, with the project open\n"
        "  thermreport --info FILE.qvx [--unit c|f|k]      the snapshot's data as one JSON object\n"
        "  thermreport --csv FILE.qvx [--unit c|f|k]       every pixel's temperature, 120 lines of "
        "160 values\n"
        "  thermreport --png FILE.qvx OUT.png [--scale N]  the false-colour picture with its "
        "markers, N = 1..64\n"
        "  thermreport --thumbnail FILE.qvx OUT.png SIZE   the picture fitted into SIZE x SIZE, "
        "SIZE = 16..1024\n"
        "  thermreport --pdf OUT.pdf PROJECT.QVR [--unit c|f|k] [--template maintenance|buildings]\n"
        "              [--common-scale]                    the project's inspection report as a PDF\n"
        "  thermreport --export-json PROJECT.QVR           the whole project as one JSON document\n"
        "  thermreport --export-csv PROJECT.QVR [--unit c|f|k]\n"
        "                                                  the tracking table, one CSV row per inspection\n"
        "  thermreport --pack PROJECT.QVR DIR              the project and every file it uses copied into\n"
        "                                                  DIR, which must be new or empty\n"
        "  thermreport --help                              this text\n"
        "Exit status: 0 done, 2 the file could not be read or written, 64 wrong usage.\n");
}
