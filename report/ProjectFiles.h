#pragma once

#include "ProjectFileEntry.h"
#include "ReportProject.h"

#include <vector>

// The files a project names, listed and changed in one place for the search for moved files,
// the Missing Files dialog and packing.

// Every file `project` names with a path: the logo first, then each inspection's snapshot and
// photo. An empty path names no file and is left out.
std::vector<ProjectFileEntry> ProjectFileEntries(const ReportProject& project);

// Puts `path` into the place `entry` names (its own path is not used); a place the project does
// not have is ignored.
void SetProjectFilePath(ReportProject& project, const ProjectFileEntry& entry, const QString& path);

// Each file's path relative to `folder` (with "/" separators, ".." where needed). A file that has
// no relative path from there (another drive) is left out.
std::vector<ProjectFileEntry> RelativeFileEntries(const ReportProject& project, const QString& folder);

// The file name at the end of a stored path, whose separators may be "/" or "\".
QString PathFileName(const QString& storedPath);
