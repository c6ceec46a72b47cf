#include "pages/imageselect/ImageFolderFilters.h"

QString SnapshotFileFilter()
{
    return QStringLiteral("QVX Files (*.qvx);;All Files (*.*)");
}

QString ImageFileFilter()
{
    return QStringLiteral("All Image Files (*.jpg *.bmp);;JPEG Files (*.jpg);;BMP Files (*.bmp);;All Files (*.*)");
}

QString ImageExtensionsForFilter(int filterIndex)
{
    switch (filterIndex) {
    case 1:
        return QStringLiteral("jpg");
    case 2:
        return QStringLiteral("bmp");
    default:
        return QStringLiteral("jpg,bmp");
    }
}
