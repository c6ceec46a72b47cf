#pragma once

#include "SnapshotCommands.h"

#include <QString>
#include <QStringList>

// thermreport --thumbnail IN.qvx OUT.png SIZE: a snapshot's preview for the file manager's
// thumbnailer. It runs before any application object exists: a file manager starts it once for
// every snapshot of a folder, so it must start fast and needs no display.

// True when the first argument (after the program name) asks for a thumbnail.
bool IsThumbnailCommand(const QStringList& arguments);

struct ThumbnailRequest
{
    QString snapshotPath;
    QString outputPath;
    int size = 0; // the square the picture is fitted into, 16..1024
};

// The request, or a Usage error saying what was wrong with the arguments.
Result<ThumbnailRequest, CommandError> ParseThumbnailCommand(const QStringList& arguments);

// Writes the PNG, or nothing at all when the snapshot cannot be used or the file not written.
CommandResult RunThumbnailCommand(const ThumbnailRequest& request);

// Parses and runs, with the one-line message on standard error; the exit status.
int RunThumbnailCommandLine(const QStringList& arguments);
