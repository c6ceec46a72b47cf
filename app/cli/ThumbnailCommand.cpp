#include "ThumbnailCommand.h"

#include "CommandArguments.h"
#include "MarkedPicture.h"
#include "SnapshotLoading.h"
#include "snapshot/cQVX.h"

#include <QCoreApplication>
#include <QTextStream>

namespace {

constexpr int SmallestSize = 16;
constexpr int LargestSize = 1024;
// zlib's fastest compression, which halves the encoding time of the default: the file manager
// re-encodes the picture for its own cache anyway.
constexpr int FastPngQuality = 85;

Result<ThumbnailRequest, CommandError> Failure(const QString& error)
{
    return Result<ThumbnailRequest, CommandError>::Failure(CommandError::Usage, error);
}

} // namespace

bool IsThumbnailCommand(const QStringList& arguments)
{
    return !arguments.isEmpty() && arguments.first() == QLatin1String("--thumbnail");
}

Result<ThumbnailRequest, CommandError> ParseThumbnailCommand(const QStringList& arguments)
{
    const CommandArguments split = SplitCommandArguments(arguments);
    if (!split.error.isEmpty()) {
        return Failure(split.error);
    }
    if (!split.options.isEmpty()) {
        return Failure(QStringLiteral("unexpected option %1").arg(split.options.first().first));
    }
    if (split.files.size() != 3) {
        return Failure(QStringLiteral("--thumbnail needs a snapshot file, an output file and a size"));
    }
    bool number = false;
    const int size = split.files[2].toInt(&number);
    if (!number || size < SmallestSize || size > LargestSize) {
        return Failure(
            QStringLiteral("the size must be a whole number from %1 to %2").arg(SmallestSize).arg(LargestSize));
    }
    return ThumbnailRequest {split.files[0], split.files[1], size};
}

CommandResult RunThumbnailCommand(const ThumbnailRequest& request)
{
    cQVX snapshot;
    const auto opened = OpenSnapshot(request.snapshotPath, snapshot);
    if (!opened.Ok()) {
        return FileProblem(request.snapshotPath, opened.Message());
    }
    const QImage picture = FittedMarkedPicture(snapshot, request.size);
    if (picture.isNull()) {
        return FileProblem(request.snapshotPath, QStringLiteral("no pixel data"));
    }
    return SavePng(picture, request.outputPath, FastPngQuality);
}

int RunThumbnailCommandLine(const QStringList& arguments)
{
    QTextStream errors(stderr);
    const auto parse = ParseThumbnailCommand(arguments);
    if (!parse.Ok()) {
        errors << "thermreport: " << parse.Message() << '\n'
               << "Usage: thermreport --thumbnail FILE.qvx OUT.png SIZE\n";
        return int(CommandError::Usage);
    }
    // The PNG writer is built in: looking through the image format plug-ins would only load them.
    QCoreApplication::setLibraryPaths({});
    const CommandResult outcome = RunThumbnailCommand(parse.Value());
    if (!outcome.Ok()) {
        errors << "thermreport: " << outcome.Message() << '\n';
    }
    return ExitStatusOf(outcome);
}
