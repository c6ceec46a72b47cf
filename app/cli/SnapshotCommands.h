#pragma once

#include "CommandLine.h"

#include <QString>

class QIODevice;
class QImage;

namespace ExitStatus {
constexpr int Done = 0;
constexpr int FileProblem = 2; // a snapshot that cannot be used, an output that cannot be written
constexpr int Usage = 64;
} // namespace ExitStatus

struct CommandOutcome
{
    int exitStatus = ExitStatus::Done;
    QString error; // one line naming the file and the reason; empty when done
};

// Runs a parsed command-line request. --info and --csv write to `output`; --png writes its own
// file, atomically, and nothing at all when the snapshot cannot be used.
CommandOutcome RunSnapshotCommand(const CommandRequest& request, QIODevice& output);

// Writes a picture as a PNG file, atomically: nothing at all is left at `path` when that fails.
// `quality` is the encoder's (0..100, higher compresses less; -1 its default).
CommandOutcome SavePng(const QImage& picture, const QString& path, int quality = -1);
