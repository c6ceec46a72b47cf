#include "pages/thumbnails/FolderScan.h"

#include <QDir>
#include <QFile>
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
        // Without QDir::Hidden and QDir::System, hidden and special files are left out.
        const QStringList matches = directory.entryList(
            {QStringLiteral("*.") + extension}, QDir::Files | QDir::Readable, QDir::Name | QDir::IgnoreCase);
        for (const QString& name : matches) {
            QFile file(directory.filePath(name));
            if (file.open(QIODevice::ReadOnly)) {
                names.append(name);
            }
        }
    }
    return names;
}

QString FolderFilePath(const QString& folder, const QString& name)
{
    return QDir(folder).filePath(name);
}
