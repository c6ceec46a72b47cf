#include "SnapshotCommands.h"

#include "MarkedPicture.h"
#include "SnapshotInfo.h"
#include "SnapshotLoading.h"
#include "TemperatureCsv.h"
#include "snapshot/cQVX.h"

#include <QIODevice>
#include <QJsonDocument>
#include <QSaveFile>

namespace {

CommandResult WriteAll(QIODevice& output, const QByteArray& bytes)
{
    if (output.write(bytes) != bytes.size()) {
        return FileProblem(QStringLiteral("standard output"), output.errorString());
    }
    return Done {};
}

} // namespace

CommandResult SavePng(const QImage& picture, const QString& path, int quality)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return FileProblem(path, QString("cannot write (%1)").arg(file.errorString()));
    }
    if (!picture.save(&file, "PNG", quality)) {
        file.cancelWriting();
        return FileProblem(path,
                           QString("cannot write (%1)")
                               .arg(file.errorString().isEmpty() ? QString("encoding failed") : file.errorString()));
    }
    if (!file.commit()) {
        return FileProblem(path, QString("cannot write (%1)").arg(file.errorString()));
    }
    return Done {};
}

CommandResult RunSnapshotCommand(const CommandRequest& request, QIODevice& output)
{
    if (request.mode == CommandMode::Help) {
        return WriteAll(output, UsageText().toUtf8());
    }

    cQVX snapshot;
    const auto opened = OpenSnapshot(request.snapshotPath, snapshot);
    if (!opened.Ok()) {
        return FileProblem(request.snapshotPath, opened.Message());
    }

    switch (request.mode) {
    case CommandMode::Info: {
        const QJsonObject info = SnapshotInfo(snapshot, request.snapshotPath, request.unit);
        return WriteAll(output, QJsonDocument(info).toJson(QJsonDocument::Indented));
    }
    case CommandMode::Csv: {
        const QByteArray csv = TemperatureCsv(snapshot, request.unit);
        if (csv.isEmpty()) {
            return FileProblem(request.snapshotPath, "no pixel data");
        }
        return WriteAll(output, csv);
    }
    case CommandMode::Png: {
        const QImage picture = MarkedPicture(snapshot, request.scale);
        if (picture.isNull()) {
            return FileProblem(request.snapshotPath, "no pixel data");
        }
        return SavePng(picture, request.outputPath);
    }
    case CommandMode::Help:
        break;
    }
    return Done {};
}
