#include "pages/thumbnails/FolderScan.h"

#include <QDir>
#include <QRegularExpression>

QStringList ListFolderFiles(const QString& folder, const QString& extensions)
{
    static const QRegularExpression separators(QStringLiteral("[,;#]"));
    QStringList names;
    if (folder.isEmpty()) {
        return names;
    }
    const QDir directory(folder);
    for (const QString& extension : extensions.split(separators, Qt::SkipEmptyParts)) {
        // Without QDir::Hidden and QDir::System, hidden and special files are left out. Files that
        // cannot be read are listed: the list marks them rather than hide them.
        names << directory.entryList({QStringLiteral("*.") + extension}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    }
    return names;
}

QString FolderFilePath(const QString& folder, const QString& name)
{
    return QDir(folder).filePath(name);
}
