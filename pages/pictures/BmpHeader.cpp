#include "BmpHeader.h"

#include "snapshot/ByteView.h"

#include <limits>

namespace {

bool SupportedEncoding(quint16 bitCount, quint32 compression)
{
    switch (bitCount) {
    case 1:
    case 4:
    case 8:
    case 24:
        return compression == BmpLayout::CompressionNone;
    case 16:
    case 32:
        return compression == BmpLayout::CompressionNone || compression == BmpLayout::CompressionBitFields;
    default:
        return false;
    }
}

} // namespace

std::optional<BmpFileHeader> ReadBmpFileHeader(QByteArrayView file)
{
    ByteCursor cursor(file, ByteOrder::Little);
    const auto type = cursor.Read<quint16>();
    const auto size = cursor.Read<quint32>();
    const auto reserved1 = cursor.Read<quint16>();
    const auto reserved2 = cursor.Read<quint16>();
    const auto bitsOffset = cursor.Read<quint32>();
    if (!type || !size || !reserved1 || !reserved2 || !bitsOffset) {
        return std::nullopt;
    }
    return BmpFileHeader {*type, *size, *reserved1, *reserved2, *bitsOffset};
}

std::optional<BmpLayout> ReadBmpLayout(QByteArrayView file, const BmpFileHeader& header)
{
    // The declared file size bounds everything else and must itself be inside the file.
    const qint64 declaredSize = header.size;
    const qint64 bitsOffset = header.bitsOffset;
    const qint64 firstBitsOffset = BmpFileHeader::Size + BmpLayout::InfoHeaderSize;
    if (declaredSize > file.size() || bitsOffset < firstBitsOffset || bitsOffset > declaredSize) {
        return std::nullopt;
    }
    const ByteView bytes(file.first(declaredSize), ByteOrder::Little);

    const auto infoSize = bytes.Read<quint32>(14);
    const auto width = bytes.Read<qint32>(18);
    const auto height = bytes.Read<qint32>(22);
    const auto planes = bytes.Read<quint16>(26);
    const auto bitCount = bytes.Read<quint16>(28);
    const auto compression = bytes.Read<quint32>(30);
    const auto coloursUsed = bytes.Read<quint32>(46);
    if (!infoSize || !width || !height || !planes || !bitCount || !compression || !coloursUsed) {
        return std::nullopt;
    }
    if (*infoSize < BmpLayout::InfoHeaderSize || BmpFileHeader::Size + qint64(*infoSize) > bitsOffset) {
        return std::nullopt;
    }
    if (*width <= 0 || *height == 0 || *height == std::numeric_limits<qint32>::min() || *planes != 1 ||
        !SupportedEncoding(*bitCount, *compression)) {
        return std::nullopt;
    }

    BmpLayout layout;
    layout.width = *width;
    layout.height = *height;
    layout.bitCount = *bitCount;
    layout.compression = *compression;
    qint64 tableEnd = BmpFileHeader::Size + qint64(*infoSize);

    if (layout.compression == BmpLayout::CompressionBitFields) {
        // The three masks sit inside larger headers, or directly after the basic one.
        layout.masksOffset = BmpFileHeader::Size + BmpLayout::InfoHeaderSize;
        if (*infoSize < BmpLayout::InfoHeaderSize + 12) {
            tableEnd += 12;
        }
    }
    if (layout.bitCount <= 8) {
        const qint64 maximum = qint64(1) << layout.bitCount;
        layout.paletteEntries = *coloursUsed == 0 ? maximum : qint64(*coloursUsed);
        if (layout.paletteEntries > maximum) {
            return std::nullopt;
        }
        layout.paletteOffset = tableEnd;
        tableEnd += 4 * layout.paletteEntries;
    }
    if (tableEnd > bitsOffset) {
        return std::nullopt;
    }

    layout.rowStride = (qint64(layout.width) * layout.bitCount + 31) / 32 * 4;
    // Divide rather than multiply: stride times rows can exceed 64 bits for a hostile header.
    if (layout.Rows() > (declaredSize - bitsOffset) / layout.rowStride) {
        return std::nullopt;
    }
    return layout;
}
