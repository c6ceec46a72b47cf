#include "ReportCommands.h"

#include "CommandArguments.h"
#include "ProjectJson.h"
#include "TerminalProgress.h"

#include "app/settings/Settings.h"
#include "app/strings/StringIds.h"
#include "app/strings/StringSource.h"
#include "output/CursorChoices.h"
#include "output/PrintReport.h"
#include "output/TrackingTable.h"
#include "report/MovedFileSearch.h"
#include "report/ProjectCheck.h"
#include "report/ProjectFileIO.h"
#include "report/ProjectPack.h"
#include "snapshot/ByteView.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QTextStream>

#include <bit>
#include <charconv>
#include <iterator>
#include <optional>

namespace {

struct ReportRequest
{
    bool pdf = false;
    bool csv = false;
    bool pack = false;
    QString outputPath; // the PDF file, or the folder to pack into
    QString projectPath;
    std::optional<TemperatureUnit> unit;
    std::optional<ReportTemplate> reportTemplate;
    bool commonScale = false;
};

using RequestParse = Result<ReportRequest, CommandError>;

RequestParse Failure(const QString& error)
{
    return RequestParse::Failure(CommandError::Usage, error);
}

std::optional<ReportTemplate> TemplateNamed(const QString& value)
{
    const QString name = value.toLower();
    if (name == QLatin1String("maintenance")) {
        return ReportTemplate::Maintenance;
    }
    if (name == QLatin1String("buildings")) {
        return ReportTemplate::Buildings;
    }
    return std::nullopt;
}

RequestParse ParseReportRequest(const QStringList& arguments)
{
    ReportRequest request;
    request.pdf = arguments.first() == QLatin1String("--pdf");
    request.csv = arguments.first() == QLatin1String("--export-csv");
    request.pack = arguments.first() == QLatin1String("--pack");
    const CommandArguments split = SplitCommandArguments(arguments, {QStringLiteral("--common-scale")});
    if (!split.error.isEmpty()) {
        return Failure(split.error);
    }
    const QStringList& files = split.files;
    for (const auto& [argument, value] : split.options) {
        if ((request.pdf || request.csv) && argument == QLatin1String("--unit") && !request.unit) {
            request.unit = UnitNamed(value);
            if (!request.unit) {
                return Failure(QStringLiteral("unknown unit \"%1\" (use c, f or k)").arg(value));
            }
        } else if (request.pdf && argument == QLatin1String("--template") && !request.reportTemplate) {
            request.reportTemplate = TemplateNamed(value);
            if (!request.reportTemplate) {
                return Failure(QStringLiteral("unknown template \"%1\" (use maintenance or buildings)").arg(value));
            }
        } else if (request.pdf && argument == QLatin1String("--common-scale") && value.isEmpty() &&
                   !request.commonScale) {
            request.commonScale = true;
        } else {
            return Failure(QStringLiteral("unexpected option %1").arg(argument));
        }
    }
    if (request.pdf && files.size() != 2) {
        return Failure(QStringLiteral("--pdf needs an output file and a project file"));
    }
    if (request.pack) {
        if (files.size() != 2) {
            return Failure(QStringLiteral("--pack needs a project file and a folder"));
        }
        request.projectPath = files[0];
        request.outputPath = files[1];
        return request;
    }
    if (!request.pdf && files.size() != 1) {
        return Failure(QStringLiteral("%1 needs one project file").arg(arguments.first()));
    }
    request.outputPath = request.pdf ? files[0] : QString();
    request.projectPath = files.last();
    return request;
}

QString ReadProblem(ProjectReadError error)
{
    switch (error) {
    case ProjectReadError::CannotOpen:
        return QStringLiteral("cannot open the project file");
    case ProjectReadError::CountMismatch:
        return LoadAppString(StringId::SelectionCountMismatch);
    case ProjectReadError::Malformed:
        break;
    }
    return LoadAppString(StringId::ErrorReadingQvr);
}

// The version number the file starts with (a little-endian float), as the shortest decimal
// that reads back as that float: 1.2 rather than 1.2000000476837158.
double StoredVersion(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return 0.0;
    }
    const QByteArray start = file.read(4);
    const auto bits = ByteView(start, ByteOrder::Little).Read<quint32>(0);
    if (!bits) {
        return 0.0;
    }
    char text[32];
    const auto written = std::to_chars(std::begin(text), std::end(text), std::bit_cast<float>(*bits));
    return QByteArray(text, written.ptr - text).toDouble();
}

QString ProblemText(const ProjectFileProblem& problem)
{
    const int inspection = problem.inspection + 1;
    switch (problem.kind) {
    case ProjectFileProblem::EmptySnapshotPath:
        return QStringLiteral("inspection %1 has no snapshot").arg(inspection);
    case ProjectFileProblem::SnapshotNotFound:
        return QStringLiteral("cannot open the snapshot of inspection %1").arg(inspection);
    case ProjectFileProblem::SnapshotNotReadable:
        return QStringLiteral("not a valid snapshot file (inspection %1)").arg(inspection);
    case ProjectFileProblem::SnapshotNoPicture:
        return QStringLiteral("the snapshot gives no picture (inspection %1)").arg(inspection);
    case ProjectFileProblem::ImageNotFound:
        return QStringLiteral("cannot open the visual image of inspection %1").arg(inspection);
    case ProjectFileProblem::ImageInvalidBitmap:
        return QStringLiteral("not a valid bitmap file (inspection %1)").arg(inspection);
    case ProjectFileProblem::ImageUndecodable:
        break;
    }
    return QStringLiteral("the visual image cannot be decoded (inspection %1)").arg(inspection);
}

QString KindName(ProjectFileKind kind)
{
    switch (kind) {
    case ProjectFileKind::Logo:
        return QStringLiteral("the logo");
    case ProjectFileKind::Snapshot:
        return QStringLiteral("the snapshot");
    case ProjectFileKind::Photo:
        break;
    }
    return QStringLiteral("the visual image");
}

QString FileDescription(const ProjectFileEntry& entry)
{
    const QString kind = KindName(entry.kind);
    return entry.kind == ProjectFileKind::Logo ? kind
                                               : kind + QStringLiteral(" of inspection %1").arg(entry.inspection + 1);
}

// Where the files of a moved project are now; one note for each file found in a new place.
MovedFileSearch FindFilesOf(ReportProject& project, const QString& projectPath, QStringList& notes)
{
    MovedFileSearch search = FindMovedFiles(project, projectPath);
    for (const FoundFile& file : search.found) {
        notes.append(QStringLiteral("note: %1 found at %2 (%3)")
                         .arg(file.entry.path, file.foundPath, FileDescription(file.entry)));
    }
    return search;
}

QString PackProblem(const PackResult& packed)
{
    switch (packed.error) {
    case PackError::FolderNotEmpty:
        return QStringLiteral("the folder exists and is not empty");
    case PackError::CannotCreateFolder:
        return QStringLiteral("cannot create the folder");
    case PackError::CannotRead:
        return QStringLiteral("cannot read the file: ") + packed.reason;
    case PackError::CannotWrite:
        return QStringLiteral("cannot write the file: ") + packed.reason;
    case PackError::Cancelled:
    case PackError::None:
        break;
    }
    return QStringLiteral("the pack was cancelled");
}

CommandResult Pack(const ReportRequest& request,
                   const ReportProject& project,
                   const MovedFileSearch& search,
                   QIODevice& output,
                   const PackProgress& progress)
{
    // Only a project that would open can be packed: every file must be there and usable.
    if (!search.missing.empty()) {
        return FileProblem(search.missing.front().path,
                           QStringLiteral("cannot find %1").arg(FileDescription(search.missing.front())));
    }
    if (const auto problem = CheckProjectFiles(project, search.FoundPaths())) {
        return FileProblem(problem->path, ProblemText(*problem));
    }
    const PackResult packed =
        PackProject(project, QFileInfo(request.projectPath).fileName(), request.outputPath, progress);
    if (!packed.Ok()) {
        return FileProblem(packed.path, PackProblem(packed));
    }
    output.write(packed.path.toUtf8() + '\n');
    output.write(QStringLiteral("%1 files, %2 bytes\n").arg(packed.fileCount).arg(packed.totalBytes).toUtf8());
    return Done {};
}

struct CommandLineNotifications : ReportNotifications
{
    void FileSaved(const QString& path) override { saved = path; }
    void PrintFailed(int code, const QString& text) override { detail = PrintErrorMessage(code) + ": " + text; }

    QString saved;
    QString detail;
};

CommandResult WritePdf(const ReportRequest& request,
                       ReportProject project,
                       const MovedFileSearch& search,
                       QIODevice& output,
                       ReportProgress* progress)
{
    if (project.InspectionCount() == 0) {
        return FileProblem(request.projectPath, LoadAppString(StringId::NoReportsSelected));
    }
    // The checks of a project load: a report printed without a display cannot show the
    // notices the program would put on a page.
    if (const auto problem = CheckProjectFiles(project, search.FoundPaths())) {
        return FileProblem(problem->path, ProblemText(*problem));
    }
    FillUnsetCursorChoices(project);
    // Given options win over what the project states; the settings stand in for an old file.
    ReportOptions options;
    options.unit = request.unit.value_or(project.unit.value_or(TempUnitSetting()));
    options.reportTemplate = request.reportTemplate.value_or(project.reportTemplate.value_or(TemplateSetting()));
    options.commonScale = request.commonScale || GetCommonScale();

    const QFileInfo target(request.outputPath);
    CommandLineNotifications notifications;
    if (!PrintReport(target.absolutePath(), target.fileName(), project, options, notifications, progress)) {
        return CommandResult::Failure(CommandError::FileProblem, notifications.detail);
    }
    output.write(notifications.saved.toUtf8() + '\n');
    return Done {};
}

} // namespace

bool IsReportCommand(const QStringList& arguments)
{
    return !arguments.isEmpty() &&
        (arguments.first() == QLatin1String("--pdf") || arguments.first() == QLatin1String("--export-json") ||
         arguments.first() == QLatin1String("--export-csv") || arguments.first() == QLatin1String("--pack"));
}

CommandResult RunReportCommand(const QStringList& arguments,
                               QIODevice& output,
                               ReportProgress* progress,
                               const PackProgress& packProgress,
                               QStringList* notes)
{
    const RequestParse parse = ParseReportRequest(arguments);
    if (!parse.Ok()) {
        return CommandResult::Failure(CommandError::Usage, parse.Message());
    }
    const ReportRequest& request = parse.Value();
    ProjectReadResult read = LoadProjectFile(request.projectPath);
    if (!read.Ok()) {
        return FileProblem(request.projectPath, ReadProblem(*read.Error()));
    }
    ReportProject& project = read.Value();
    QStringList unasked;
    QStringList& found = notes ? *notes : unasked;
    if (request.pack) {
        const MovedFileSearch search = FindFilesOf(project, request.projectPath, found);
        return Pack(request, project, search, output, packProgress);
    }
    if (request.pdf) {
        const MovedFileSearch search = FindFilesOf(project, request.projectPath, found);
        return WritePdf(request, std::move(project), search, output, progress);
    }
    if (request.csv) {
        // The tracking table is in the unit the report would be: the project's, unless one is given.
        const TemperatureUnit unit = request.unit.value_or(project.unit.value_or(TempUnitSetting()));
        if (output.write(TrackingTableCsv(project, unit)) < 0) {
            return CommandResult::Failure(CommandError::FileProblem, QStringLiteral("cannot write to standard output"));
        }
        return Done {};
    }
    // What the report would be printed in: an old file that states neither takes the settings.
    FindFilesOf(project, request.projectPath, found);
    project.reportTemplate = project.reportTemplate.value_or(TemplateSetting());
    project.unit = project.unit.value_or(TempUnitSetting());
    const QJsonDocument json(ProjectToJson(project, StoredVersion(request.projectPath)));
    if (output.write(json.toJson(QJsonDocument::Indented)) < 0) {
        return CommandResult::Failure(CommandError::FileProblem, QStringLiteral("cannot write to standard output"));
    }
    return Done {};
}

QString ReportUsageText()
{
    return QStringLiteral(
        "  thermreport --pdf OUT.pdf PROJECT.QVR [--unit c|f|k] [--template maintenance|buildings]\n"
        "              [--common-scale]                    the project's report as a PDF file, in its\n"
        "                                                  own unit and template unless they are given\n"
        "  thermreport --export-json PROJECT.QVR           the whole project as one JSON document\n"
        "  thermreport --export-csv PROJECT.QVR [--unit c|f|k]\n"
        "                                                  the tracking table, one CSV row per inspection,\n"
        "                                                  in the project's unit unless one is given\n"
        "  thermreport --pack PROJECT.QVR DIR              the project and every file it uses copied into\n"
        "                                                  DIR, which must be new or empty\n");
}

int RunReportCommandLine(const QStringList& arguments)
{
    QTextStream errors(stderr);
    QFile output;
    if (!output.open(stdout, QIODevice::WriteOnly)) {
        errors << "thermreport: cannot write to standard output\n";
        return int(CommandError::FileProblem);
    }
    QFile terminal;
    std::optional<TerminalProgress> progress;
    if (IsTerminal(stderr) && terminal.open(stderr, QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        progress.emplace(terminal);
    }
    PackProgress packProgress;
    if (progress) {
        packProgress = [&progress](int file, int total) { return progress->StartingFile(file, total); };
    }
    QStringList notes;
    const CommandResult outcome =
        RunReportCommand(arguments, output, progress ? &*progress : nullptr, packProgress, &notes);
    if (progress) {
        progress->Finish();
    }
    output.flush();
    for (const QString& note : notes) {
        errors << "thermreport: " << note << '\n';
    }
    if (!outcome.Ok()) {
        errors << "thermreport: " << outcome.Message() << '\n';
    }
    if (outcome.Error() == CommandError::Usage) {
        errors << "Usage:\n" << ReportUsageText();
    }
    return ExitStatusOf(outcome);
}
