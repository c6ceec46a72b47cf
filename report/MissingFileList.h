#pragma once

#include "ProjectFileEntry.h"
#include "ReportProject.h"

#include <QString>
#include <QStringList>

#include <vector>

// The files of a loaded project that are still missing, and what the user does about them: locate
// one, let a folder be searched, or remove the inspection a file belongs to (or the logo). The
// project only becomes the result once nothing is missing.
class MissingFileList
{
public:
    MissingFileList(ReportProject project, std::vector<ProjectFileEntry> missing);

    // Each missing file with its stored path; entries shift when an inspection is removed.
    const std::vector<ProjectFileEntry>& Missing() const { return missing; }
    bool Done() const { return missing.empty(); }

    // Takes `path` for missing file `row` when it reads as what the file should be.
    bool Locate(int row, const QString& path);
    // Removes the inspection of missing file `row` with its selection and details, and every row
    // of that inspection; the logo's row clears the logo.
    void Remove(int row);

    // The files in `folder` and below that carry the name of each missing file (in any case) and
    // read as what it should be; one list per row, sorted.
    std::vector<QStringList> SearchFolder(const QString& folder) const;

    // The project with every located path; removed inspections are gone.
    const ReportProject& Project() const { return project; }

private:
    ReportProject project;
    std::vector<ProjectFileEntry> missing;
};
