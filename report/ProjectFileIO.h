#pragma once

#include "ProjectFile.h"

#include <QString>

#include <functional>

class QIODevice;

// Whole project files on disk. A load reads everything before anything is returned; a save
// writes beside the target and replaces it only once every byte is written and flushed, so
// a failed save leaves the previous file as it was.

ProjectReadResult LoadProjectFile(const QString& path);

struct ProjectSaveResult
{
    bool ok = false;
    QString reason; // the system's description of what failed; empty on success
};

// Saves `project` with each file's path relative to the folder of `path` beside the stored ones,
// so that the project opens again once moved together with its files.
ProjectSaveResult SaveProjectFile(const QString& path, const ReportProject& project);

// Any file written the same way: `write` puts the bytes on the device (false when one did not go),
// and `path` is replaced only when every write, the flush and the device's error state succeeded.
ProjectSaveResult SaveWholeFile(const QString& path, const std::function<bool(QIODevice&)>& write);
