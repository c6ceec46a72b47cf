#pragma once

#include <QString>

// The kinds of file a project names, numbered as the project file stores them.
enum class ProjectFileKind {
    Logo = 0,
    Snapshot = 1,
    Photo = 2, // an inspection's visual image
};

// One file of a project: what it is, the inspection it belongs to (0-based, −1 for the logo)
// and its path.
struct ProjectFileEntry
{
    ProjectFileKind kind = ProjectFileKind::Logo;
    int inspection = -1;
    QString path;

    bool SameFileAs(const ProjectFileEntry& other) const
    {
        return kind == other.kind && inspection == other.inspection;
    }
    bool operator==(const ProjectFileEntry&) const = default;
};
