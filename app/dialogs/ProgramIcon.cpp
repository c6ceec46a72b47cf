#include "app/dialogs/ProgramIcon.h"

#include <QDirIterator>

QIcon ProgramIcon()
{
    // One picture per size, each rendered from the drawing the desktop's icon theme gets too.
    QIcon icon;
    QDirIterator pictures(
        QStringLiteral(":/program-icon"), {QStringLiteral("*.png")}, QDir::Files, QDirIterator::Subdirectories);
    while (pictures.hasNext()) {
        icon.addFile(pictures.next());
    }
    return icon;
}
