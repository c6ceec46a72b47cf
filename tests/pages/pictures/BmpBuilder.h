#pragma once

#include <QByteArray>
#include <QColor>
#include <QtGlobal>

#include <vector>

// Writes .bmp files field by field so that tests can build both sound and broken ones.
struct BmpBuilder
{
    qint32 width = 4;
    qint32 height = 3;
    quint16 bitCount = 24;
    quint32 compression = 0;
    quint32 infoSize = 40;
    std::vector<QColor> palette; // written as the colour table for up to 8 bits per pixel
    std::vector<quint32> masks; // written after the header for bit-field images
    QByteArray rows; // the stored rows; zero-filled to the full size when empty
    qint32 pelsPerMetre = 0; // 0: the file gives no resolution

    qint64 RowStride() const { return (qint64(width) * bitCount + 31) / 32 * 4; }
    QByteArray Build() const;
};

// Overwrites a little-endian integer inside a built file.
void PatchLittleEndian32(QByteArray& bytes, int offset, quint32 value);
void PatchLittleEndian16(QByteArray& bytes, int offset, quint16 value);
