#pragma once

#include "report/MovedFileSearch.h"
#include "report/ProjectCheck.h"
#include "report/ProjectFile.h"

#include <QString>

// The texts of the messages that end a failed project load or save, in the language in use.

// The message for a file that could be read but not loaded; empty for None and CannotOpen,
// which are not reported.
QString ProjectReadMessage(ProjectReadError error);

// The message for a snapshot or image that loading the project's inspections cannot open.
QString ProjectFileProblemMessage(const ProjectFileProblem& problem);

// "Could not find <path>", in the word order of the language in use.
QString CouldNotFindText(const QString& path);

// The message for a save that did not replace `path`.
QString ProjectSaveMessage(const QString& path, const QString& reason);

// How many files of the opened project were found in new places, and where (the first few).
QString FoundFilesMessage(const std::vector<FoundFile>& found);
