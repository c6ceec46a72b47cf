#include "app/cli/CommandLine.h"
#include "app/cli/ReportCommands.h"
#include "app/cli/SnapshotCommands.h"
#include "app/cli/ThumbnailCommand.h"
#include "app/language/LanguageLoader.h"
#include "app/shell/CQvxReportWriterApp.h"
#include "app/strings/StringSource.h"

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>

namespace {

QStringList ArgumentsOf(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    return arguments;
}

// Standard error carries only our own one-line messages; the platform's notes (such as a missing
// runtime folder on a headless machine) would break that, so only Qt's serious messages pass.
void KeepSeriousMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        QTextStream(stderr) << message << '\n';
    }
}

// The report modes print in the user's language, as the window does; a library the user chose that
// cannot be used leaves the report in English, with a line saying so.
LoadedLanguage UseTheUsersLanguage()
{
    LoadedLanguage loaded = LoadLanguage(
        ChooseLanguage(), QCoreApplication::applicationDirPath(), [](LanguageProblem problem, const QString& fileName) {
            QTextStream(stderr) << "thermreport: "
                                << (problem == LanguageProblem::LibraryMissing
                                        ? QString("cannot load the language library \"%1\"").arg(fileName)
                                        : QString("\"%1\" is not the library of the chosen language").arg(fileName))
                                << "; the report is in English\n";
        });
    UseLoadedLanguage(loaded);
    UseLanguageResources();
    return loaded;
}

int RunCommandLine(int argc, char** argv)
{
    // These modes answer without a display, wherever they run.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(KeepSeriousMessages);
    QGuiApplication application(argc, argv);
    QTextStream errors(stderr);
    if (IsReportCommand(QCoreApplication::arguments().mid(1))) {
        const LoadedLanguage language = UseTheUsersLanguage();
        const int status = RunReportCommandLine(QCoreApplication::arguments().mid(1));
        UseLoadedLanguage({});
        return status;
    }

    const CommandLineParse parse = ParseCommandLine(QCoreApplication::arguments().mid(1));
    if (!parse.Ok()) {
        errors << "thermreport: " << parse.Message() << '\n' << UsageText();
        return int(CommandError::Usage);
    }
    QFile output;
    if (!output.open(stdout, QIODevice::WriteOnly)) {
        errors << "thermreport: cannot write to standard output\n";
        return int(CommandError::FileProblem);
    }
    const CommandResult outcome = RunSnapshotCommand(parse.Value(), output);
    output.flush();
    if (!outcome.Ok()) {
        errors << "thermreport: " << outcome.Message() << '\n';
    }
    return ExitStatusOf(outcome);
}

} // namespace

int main(int argc, char** argv)
{
    // Without an application object: a thumbnailer run must start fast and never needs a display.
    if (IsThumbnailCommand(ArgumentsOf(argc, argv))) {
        qInstallMessageHandler(KeepSeriousMessages);
        return RunThumbnailCommandLine(ArgumentsOf(argc, argv));
    }
    if (IsCommandLineRequest(ArgumentsOf(argc, argv))) {
        return RunCommandLine(argc, argv);
    }
    // Otherwise the program is the windowed report writer, with at most a project file to open.
    const QStringList arguments = ArgumentsOf(argc, argv);
    if (arguments.size() > 1) {
        QCoreApplication application(argc, argv);
        QTextStream(stderr) << "thermreport: only one project file can be opened\n" << UsageText();
        return int(CommandError::Usage);
    }
    return CQvxReportWriterApp::Run(
        argc, argv, arguments.isEmpty() ? std::nullopt : std::optional<QString>(arguments.first()));
}
