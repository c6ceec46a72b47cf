#pragma once

#include "CommandLine.h"
#include "CommandResult.h"

#include <QString>

class QIODevice;
class QImage;

// Runs a parsed command-line request. --info and --csv write to `output`; --png writes its own
// file, atomically, and nothing at all when the snapshot cannot be used.
CommandResult RunSnapshotCommand(const CommandRequest& request, QIODevice& output);

// Writes a picture as a PNG file, atomically: nothing at all is left at `path` when that fails.
// `quality` is the encoder's (0..100, higher compresses less; -1 its default).
CommandResult SavePng(const QImage& picture, const QString& path, int quality = -1);
