#include "DibImage.h"

#include "snapshot/BitmapRows.h"
#include "snapshot/ByteView.h"

#include <bit>

namespace {

// One colour channel of a bit-field pixel, brought to 8 bits the way the display does it:
// narrower channels are shifted up (5 bits of 31 give 248), wider ones shifted down.
class ChannelMask
{
public:
    explicit ChannelMask(quint32 mask)
        : mask(mask)
        , shift(mask == 0 ? 0 : std::countr_zero(mask))
        , width(std::popcount(mask >> shift))
    { }

    int Value(quint32 pixel) const
    {
        const quint32 value = (pixel & mask) >> shift;
        return int(width >= 8 ? value >> (width - 8) : value << (8 - width)) & 0xFF;
    }

private:
    quint32 mask;
    int shift;
    int width;
};

struct PixelDecoder
{
    const BmpLayout& layout;
    ByteView info;
    ChannelMask red;
    ChannelMask green;
    ChannelMask blue;

    QRgb PaletteColour(qint64 index) const
    {
        if (index >= layout.paletteEntries) {
            return qRgb(0, 0, 0);
        }
        const qint64 offset = layout.paletteOffset - BmpFileHeader::Size + 4 * index;
        return qRgb(info.Read<quint8>(offset + 2).value_or(0),
                    info.Read<quint8>(offset + 1).value_or(0),
                    info.Read<quint8>(offset).value_or(0));
    }

    QRgb Pixel(const quint8* row, int x) const
    {
        switch (layout.bitCount) {
        case 1:
            return PaletteColour((row[x / 8] >> (7 - x % 8)) & 0x1);
        case 4:
            return PaletteColour((row[x / 2] >> (x % 2 == 0 ? 4 : 0)) & 0xF);
        case 8:
            return PaletteColour(row[x]);
        case 16: {
            const quint32 value = row[2 * x] | quint32(row[2 * x + 1]) << 8;
            return qRgb(red.Value(value), green.Value(value), blue.Value(value));
        }
        case 24:
            return qRgb(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
        default: {
            const quint32 value = row[4 * x] | quint32(row[4 * x + 1]) << 8 | quint32(row[4 * x + 2]) << 16 |
                quint32(row[4 * x + 3]) << 24;
            return qRgb(red.Value(value), green.Value(value), blue.Value(value));
        }
        }
    }
};

ChannelMask MaskOf(const BmpLayout& layout, const ByteView& info, int channel)
{
    if (layout.compression == BmpLayout::CompressionBitFields) {
        return ChannelMask(info.Read<quint32>(layout.masksOffset - BmpFileHeader::Size + 4 * channel).value_or(0));
    }
    // Uncompressed 16-bit pixels are 5-5-5; 32-bit ones are blue, green, red, unused.
    static constexpr quint32 masks16[] = {0x7C00, 0x03E0, 0x001F};
    static constexpr quint32 masks32[] = {0xFF0000, 0x00FF00, 0x0000FF};
    return ChannelMask(layout.bitCount == 16 ? masks16[channel] : masks32[channel]);
}

} // namespace

QImage DibImage::ToImage() const
{
    if (!IsValid()) {
        return {};
    }
    const auto* data = reinterpret_cast<const quint8*>(bits.constData());
    const int rows = int(layout.Rows());
    // Rendered snapshots are stored so; they take the conversion every snapshot picture takes.
    if (layout.bitCount == 24 && layout.BottomUp()) {
        return PictureFromBitmapRows(data, layout.width, rows, layout.rowStride, QImage::Format_RGB32);
    }
    const ByteView infoView(info, ByteOrder::Little);
    const PixelDecoder decoder {
        layout, infoView, MaskOf(layout, infoView, 0), MaskOf(layout, infoView, 1), MaskOf(layout, infoView, 2)};
    QImage image(layout.width, rows, QImage::Format_RGB32);
    if (image.isNull()) {
        return {};
    }
    for (int storedRow = 0; storedRow < rows; ++storedRow) {
        const quint8* row = data + storedRow * layout.rowStride;
        auto* target = reinterpret_cast<QRgb*>(image.scanLine(layout.BottomUp() ? rows - 1 - storedRow : storedRow));
        for (int x = 0; x < layout.width; ++x) {
            target[x] = decoder.Pixel(row, x);
        }
    }
    return image;
}
