#pragma once

#include <QString>
#include <QStringList>

// The file names (without folder) of a folder that a list shows: for each extension of the
// list in turn, the visible files ending in "." and that extension (any case), readable or not,
// sorted by name within the extension. A file matching two extensions is listed twice.
// The extension list is split at ",", ";" and "#"; empty entries are skipped.
QStringList ListFolderFiles(const QString& folder, const QString& extensions);

// A path of the folder lists: the folder, a separator and the name.
QString FolderFilePath(const QString& folder, const QString& name);
