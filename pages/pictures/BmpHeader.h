#pragma once

#include <QByteArrayView>
#include <QtGlobal>

#include <optional>

// The 14-byte file header of a .bmp file, as read.
struct BmpFileHeader
{
    static constexpr qint64 Size = 14;
    static constexpr quint16 BitmapType = 0x4D42; // "BM"

    quint16 type = 0;
    quint32 size = 0;
    quint16 reserved1 = 0;
    quint16 reserved2 = 0;
    quint32 bitsOffset = 0;
};

// The fields of a bitmap information header that drawing needs, checked against the bytes
// they describe: every size and offset fits the file and the pixel rows are all there.
struct BmpLayout
{
    static constexpr qint64 InfoHeaderSize = 40;
    static constexpr quint32 CompressionNone = 0;
    static constexpr quint32 CompressionBitFields = 3;

    qint32 width = 0;
    qint32 height = 0; // positive: rows bottom-up
    quint16 bitCount = 0;
    quint32 compression = 0;
    qint64 paletteOffset = 0; // in the file
    qint64 paletteEntries = 0;
    qint64 masksOffset = 0; // in the file; bit-field images only
    qint64 rowStride = 0;

    qint64 Rows() const { return height < 0 ? -qint64(height) : height; }
    bool BottomUp() const { return height > 0; }
};

std::optional<BmpFileHeader> ReadBmpFileHeader(QByteArrayView file);

// The layout of a whole .bmp file whose file header has already been read, or nothing when
// any part of it does not fit the file or uses an encoding we do not draw.
std::optional<BmpLayout> ReadBmpLayout(QByteArrayView file, const BmpFileHeader& header);
