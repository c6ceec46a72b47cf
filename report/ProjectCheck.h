#pragma once

#include "ProjectFileEntry.h"
#include "ReportProject.h"

#include <QSet>
#include <QString>

#include <optional>

// What stops a loaded project from being shown: a snapshot or visual image that loading its
// inspections opens and cannot use. Checked before the open project is replaced, so that a
// failed load changes nothing.
struct ProjectFileProblem
{
    enum Kind {
        EmptySnapshotPath,
        SnapshotNotFound, // cannot be opened for reading
        SnapshotNotReadable, // not a snapshot the reader accepts
        SnapshotNoPicture, // accepted, but gives no picture
        ImageNotFound, // cannot be opened for reading
        ImageInvalidBitmap, // a ".bmp" path whose file is no bitmap file
        ImageUndecodable, // any other image that does not decode
    };

    Kind kind;
    int inspection; // 0-based
    QString path;

    bool operator==(const ProjectFileProblem&) const = default;
};

// The first problem in the order loading meets them: every snapshot in report order, then
// every visual image (an empty image path is no problem). Nothing when all files are usable.
// Files in `alreadyChecked` were read by the same checks moments ago and are not read again.
std::optional<ProjectFileProblem> CheckProjectFiles(const ReportProject& project,
                                                    const QSet<QString>& alreadyChecked = {});

// Whether the file at `path` reads as a file of `kind` by the checks above: a snapshot that gives
// a picture, a photo or logo that decodes (a ".bmp" one as a bitmap file).
bool ReadsAsProjectFile(ProjectFileKind kind, const QString& path);
