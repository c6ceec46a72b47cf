#pragma once

#include "ProjectFileEntry.h"
#include "ReportProject.h"

#include <QSet>
#include <QString>

#include <vector>

// Finds the files of a project that was moved or copied with its files: where a stored path
// names no file, the path relative to the project file's folder that the last save stated is
// tried first, then the stored path's trailing parts under the project file's folder (longest
// first), then the same under that folder's parent. Stored paths may use "/" or "\" and start
// with a drive letter, as written on Windows. The first candidate that reads as what the file
// should be (a snapshot, a decodable picture) is taken.

struct FoundFile
{
    ProjectFileEntry entry; // with the stored path
    QString foundPath;
};

struct MovedFileSearch
{
    std::vector<FoundFile> found; // in the order of ProjectFileEntries()
    std::vector<ProjectFileEntry> missing; // named, but neither there nor found

    // The found files: each was read by the checks of a project load as it was taken.
    QSet<QString> FoundPaths() const;
};

// Searches for every file of `project` whose stored path names no file, from where the project
// file `projectFilePath` is now, and puts the found paths into the project. The relative paths the
// file stated are used up: the project no longer carries them.
MovedFileSearch FindMovedFiles(ReportProject& project, const QString& projectFilePath);
