#pragma once

#include "ReportProject.h"

#include <QString>

#include <functional>

// Packing: a project and every file it names copied into one folder that can be moved anywhere
// and opened from there (the project file states where its files lie relative to itself).

enum class PackError {
    None,
    FolderNotEmpty, // the target exists and holds something, or is no folder
    CannotCreateFolder,
    CannotRead, // a file the project names
    CannotWrite,
    Cancelled,
};

struct PackResult
{
    PackError error = PackError::None;
    QString path; // the file the error is about; the packed project file on success
    QString reason; // the system's description of a read or write failure
    int fileCount = 0; // the files written, the project file included
    qint64 totalBytes = 0;

    bool Ok() const { return error == PackError::None; }
};

// Told before each file is written, `file` counting from 1 to `total`; false cancels the pack.
using PackProgress = std::function<bool(int file, int total)>;

// Writes `folder`/<projectName without suffix>.QVR with the logo beside it, the snapshots in
// "snapshots" and the photos in "photos" below it; a file named twice is copied once, and a name
// already taken gets "-2", "-3", ... before its suffix. `folder` may exist only when empty, and
// its parent must exist. Nothing outside `folder` is written, the sources are only read, and any
// failure removes what the pack wrote.
PackResult PackProject(const ReportProject& project,
                       const QString& projectName,
                       const QString& folder,
                       const PackProgress& progress = {});
