#pragma once

#include "ReportProject.h"

#include <QString>

#include <optional>

// What stops a loaded project from being shown: a file that loading its inspections opens
// and that is missing. Checked before the open project is replaced, so that a failed load
// changes nothing.
struct ProjectFileProblem
{
    enum Kind {
        EmptySnapshotPath,
        SnapshotNotFound, // cannot be opened for reading
        ImageNotFound, // cannot be opened for reading
    };

    Kind kind;
    int inspection; // 0-based
    QString path;

    bool operator==(const ProjectFileProblem&) const = default;
};

// The first problem in the order loading meets them: every snapshot in report order, then
// every visual image (an empty image path is no problem). Nothing when all files open.
std::optional<ProjectFileProblem> CheckProjectFiles(const ReportProject& project);
