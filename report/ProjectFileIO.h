#pragma once

#include "ProjectFile.h"

#include <QString>

#include <functional>

class QIODevice;

// Whole project files on disk. A load reads everything before anything is returned; a save
// writes beside the target and replaces it only once every byte is written and flushed, so
// a failed save leaves the previous file as it was.

ProjectReadResult LoadProjectFile(const QString& path);

enum class FileWriteError {
    CannotCreate, // the file beside the target could not be created
    WriteFailed, // a write or the flush fell short
    CannotReplace, // the finished file could not take the target's place
};

// Done, or the error with the system's description of what failed.
using FileWriteResult = Result<Done, FileWriteError>;

// Saves `project` with each file's path relative to the folder of `path` beside the stored ones,
// so that the project opens again once moved together with its files.
FileWriteResult SaveProjectFile(const QString& path, const ReportProject& project);

// Any file written the same way: `write` puts the bytes on the device (false when one did not go),
// and `path` is replaced only when every write, the flush and the device's error state succeeded.
FileWriteResult SaveWholeFile(const QString& path, const std::function<bool(QIODevice&)>& write);
