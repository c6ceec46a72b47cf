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

ThumbnailParse Failure(const QString& error)
{
    ThumbnailParse parse;
    parse.error = error;
    return parse;
}

} // namespace

bool IsThumbnailCommand(const QStringList& arguments)
{
    return !arguments.isEmpty() && arguments.first() == QLatin1String("--thumbnail");
}

ThumbnailParse ParseThumbnailCommand(const QStringList& arguments)
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
    ThumbnailParse parse;
    parse.ok = true;
    parse.request = {split.files[0], split.files[1], size};
    return parse;
}

CommandOutcome RunThumbnailCommand(const ThumbnailRequest& request)
{
    cQVX snapshot;
    const SnapshotOpenResult opened = OpenSnapshot(request.snapshotPath, snapshot);
    if (!opened.ok) {
        return {ExitStatus::FileProblem, QStringLiteral("%1: %2").arg(request.snapshotPath, opened.reason)};
    }
    const QImage picture = FittedMarkedPicture(snapshot, request.size);
    if (picture.isNull()) {
        return {ExitStatus::FileProblem, QStringLiteral("%1: no pixel data").arg(request.snapshotPath)};
    }
    return SavePng(picture, request.outputPath, FastPngQuality);
}

int RunThumbnailCommandLine(const QStringList& arguments)
{
    QTextStream errors(stderr);
    const ThumbnailParse parse = ParseThumbnailCommand(arguments);
    if (!parse.ok) {
        errors << "thermreport: " << parse.error << '\n' << "Usage: thermreport --thumbnail FILE.qvx OUT.png SIZE\n";
        return ExitStatus::Usage;
    }
    // The PNG writer is built in: looking through the image format plug-ins would only load them.
    QCoreApplication::setLibraryPaths({});
    const CommandOutcome outcome = RunThumbnailCommand(parse.request);
    if (!outcome.error.isEmpty()) {
        errors << "thermreport: " << outcome.error << '\n';
    }
    return outcome.exitStatus;
}
