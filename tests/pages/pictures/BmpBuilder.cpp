#include "BmpBuilder.h"

#include "snapshot/ByteView.h"

#include <QtEndian>

QByteArray BmpBuilder::Build() const
{
    QByteArray table;
    ByteWriter tableWriter(ByteOrder::Little);
    for (quint32 mask : masks) {
        tableWriter.Write<quint32>(mask);
    }
    for (const QColor& colour : palette) {
        tableWriter.Write<quint8>(quint8(colour.blue()));
        tableWriter.Write<quint8>(quint8(colour.green()));
        tableWriter.Write<quint8>(quint8(colour.red()));
        tableWriter.Write<quint8>(0);
    }
    table = tableWriter.Bytes();
    const qint64 rowCount = height < 0 ? -qint64(height) : height;
    QByteArray pixels = rows.isEmpty() ? QByteArray(RowStride() * rowCount, '\0') : rows;

    const quint32 bitsOffset = 14 + infoSize + quint32(table.size());
    ByteWriter writer(ByteOrder::Little);
    writer.Write<quint16>(0x4D42);
    writer.Write<quint32>(bitsOffset + quint32(pixels.size()));
    writer.Write<quint16>(0);
    writer.Write<quint16>(0);
    writer.Write<quint32>(bitsOffset);
    writer.Write<quint32>(infoSize);
    writer.Write<qint32>(width);
    writer.Write<qint32>(height);
    writer.Write<quint16>(1);
    writer.Write<quint16>(bitCount);
    writer.Write<quint32>(compression);
    writer.Write<quint32>(quint32(pixels.size()));
    writer.Write<qint32>(pelsPerMetre);
    writer.Write<qint32>(pelsPerMetre);
    writer.Write<quint32>(quint32(palette.size()));
    writer.Write<quint32>(0);
    writer.Append(QByteArray(infoSize - 40, '\0'));
    writer.Append(table);
    writer.Append(pixels);
    return writer.Bytes();
}

void PatchLittleEndian32(QByteArray& bytes, int offset, quint32 value)
{
    qToLittleEndian(value, bytes.data() + offset);
}

void PatchLittleEndian16(QByteArray& bytes, int offset, quint16 value)
{
    qToLittleEndian(value, bytes.data() + offset);
}
