#pragma once

#include "BmpHeader.h"

#include <QByteArray>
#include <QImage>
#include <QString>

// A device-independent bitmap held in memory: an information header with its colour table,
// and the pixel rows (bottom-up unless the height is negative). Built from rendered pixels or
// read from a .bmp file.
class DibImage
{
public:
    // 24-bit bitmap of the given blue, green, red bytes, rows of 3 * width bytes with the first
    // row at the bottom; with no bytes the picture is black.
    void FromPixels(int width, int height, const quint8* bytes);

    // Reads a .bmp file. The image is valid only when the file is a bitmap whose header sizes,
    // offsets, bit depth, colour table and rows all fit inside it.
    bool LoadBmpFile(const QString& path);
    // The same for the file's bytes.
    bool LoadBmpBytes(QByteArrayView file);

    bool IsValid() const { return !info.isEmpty(); }
    void Clear();

    // Whether a .bmp file was opened and read, valid or not.
    bool Loaded() const { return loaded; }
    const BmpFileHeader& FileHeader() const { return fileHeader; }
    // The information header followed by its colour table.
    const QByteArray& Info() const { return info; }
    const QByteArray& ColourTable() const { return colourTable; }
    const QByteArray& Bits() const { return bits; }
    int Width() const;
    int Height() const;

    // The picture for drawing, top row first; a null image when not valid.
    QImage ToImage() const;

private:
    QByteArray info;
    QByteArray colourTable;
    QByteArray bits;
    BmpFileHeader fileHeader;
    BmpLayout layout;
    bool loaded = false;
};
