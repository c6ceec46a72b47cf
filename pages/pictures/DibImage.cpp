#include "DibImage.h"

#include "snapshot/ByteView.h"

#include <QFile>

namespace {

constexpr quint16 Planes = 1;
constexpr quint16 TrueColourBits = 24;

} // namespace

void DibImage::FromPixels(int width, int height, const quint8* bytes)
{
    Clear();
    if (width <= 0 || height <= 0) {
        return;
    }
    const qint64 rowBytes = 3 * qint64(width);
    const qint64 pad = width % 4 == 0 ? 0 : 4 - rowBytes % 4;
    const qint64 imageSize = height * pad + rowBytes * height;

    ByteWriter header(ByteOrder::Little);
    header.Write<quint32>(BmpLayout::InfoHeaderSize);
    header.Write<qint32>(width);
    header.Write<qint32>(height);
    header.Write<quint16>(Planes);
    header.Write<quint16>(TrueColourBits);
    header.Write<quint32>(BmpLayout::CompressionNone);
    header.Write<quint32>(quint32(imageSize));
    header.Write<qint32>(0); // horizontal resolution
    header.Write<qint32>(0); // vertical resolution
    header.Write<quint32>(0); // colours used
    header.Write<quint32>(0); // colours important
    info = header.Bytes();

    bits = QByteArray(imageSize, '\0');
    if (bytes) {
        for (qint64 row = 0; row < height; ++row) {
            std::copy_n(bytes + row * rowBytes, rowBytes, bits.data() + row * (rowBytes + pad));
        }
    }
    layout.width = width;
    layout.height = height;
    layout.bitCount = TrueColourBits;
    layout.compression = BmpLayout::CompressionNone;
    layout.rowStride = rowBytes + pad;
}

bool DibImage::LoadBmpFile(const QString& path)
{
    Clear();
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return false;
    }
    return LoadBmpBytes(bytes);
}

bool DibImage::LoadBmpBytes(QByteArrayView file)
{
    Clear();
    loaded = true;
    const auto header = ReadBmpFileHeader(file);
    if (!header || header->type != BmpFileHeader::BitmapType) {
        return false;
    }
    const auto checked = ReadBmpLayout(file, *header);
    if (!checked) {
        return false;
    }
    fileHeader = *header;
    layout = *checked;
    const qint64 bitsOffset = header->bitsOffset;
    const qint64 tableOffset = BmpFileHeader::Size + BmpLayout::InfoHeaderSize;
    info = file.sliced(BmpFileHeader::Size, bitsOffset - BmpFileHeader::Size).toByteArray();
    if (bitsOffset > tableOffset) {
        colourTable = file.sliced(tableOffset, bitsOffset - tableOffset).toByteArray();
    }
    bits = file.sliced(bitsOffset, qint64(header->size) - bitsOffset).toByteArray();
    return true;
}

void DibImage::Clear()
{
    info.clear();
    colourTable.clear();
    bits.clear();
    fileHeader = {};
    layout = {};
    loaded = false;
}

int DibImage::Width() const
{
    return IsValid() ? layout.width : 0;
}

int DibImage::Height() const
{
    return IsValid() ? int(layout.Rows()) : 0;
}
