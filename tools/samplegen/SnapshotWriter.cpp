#include "SnapshotWriter.h"

#include "snapshot/ByteView.h"

#include <algorithm>
#include <limits>

namespace {

using namespace SnapshotLayout;

QByteArray FixedText(const QByteArray& text, int size)
{
    QByteArray fixed = text.left(size);
    fixed.append(QByteArray(size - fixed.size(), '\0'));
    return fixed;
}

void WriteZeros(ByteWriter& writer, int count)
{
    writer.Append(QByteArray(count, '\0'));
}

void WriteTimestamp(
    ByteWriter& writer, quint8 hour, quint8 minute, quint8 second, quint8 day, quint8 month, quint16 year)
{
    writer.Write<quint8>(hour);
    writer.Write<quint8>(minute);
    writer.Write<quint8>(second);
    writer.Write<quint8>(day);
    writer.Write<quint8>(month);
    writer.Write<quint16>(year);
}

void WriteMarkers(ByteWriter& writer, const SnapshotFileFields& fields)
{
    const int stored = std::min<int>(fields.markers.size(), MarkerSlots);
    writer.Write<quint8>(fields.markerCountField.value_or(static_cast<quint8>(stored)));
    for (int i = 0; i < MarkerSlots; ++i) {
        const SnapshotMarker marker = i < stored ? fields.markers[i] : SnapshotMarker {0, 0, 0};
        writer.Write<quint16>(marker.x);
        writer.Write<quint16>(marker.y);
    }
    WriteZeros(writer, MarkerEmissivityOffset - writer.Bytes().size());
    for (int i = 0; i < MarkerSlots; ++i) {
        writer.Write<quint8>(i < stored ? fields.markers[i].emissivity : 0);
    }
}

using Grid = std::vector<std::vector<qint32>>;

Grid ToGrid(const std::vector<qint32>& raw)
{
    Grid grid(Height, std::vector<qint32>(Width, 0));
    for (int r = 0; r < Height; ++r) {
        for (int c = 0; c < Width; ++c) {
            const std::size_t index = static_cast<std::size_t>(r) * Width + c;
            grid[r][c] = index < raw.size() ? raw[index] : 0;
        }
    }
    return grid;
}

qint16 ClampToStored(qint32 value)
{
    return static_cast<qint16>(
        std::clamp<qint32>(value, std::numeric_limits<qint16>::min(), std::numeric_limits<qint16>::max()));
}

} // namespace

QByteArray WriteSnapshotFile(const SnapshotFileFields& fields)
{
    const qint32 extraSize = static_cast<qint32>(fields.extraBlock.size());
    const qint32 pixelSize = static_cast<qint32>(fields.pixelStream.size() * sizeof(qint16));
    const qint32 extraOffset = extraSize > 0 ? HeaderSize : 0;
    const qint32 pixelOffset = HeaderSize + extraSize;

    ByteWriter writer(ByteOrder::Big);
    writer.Append("QVX");
    writer.Write<quint8>(fields.versionMajor);
    writer.Write<quint8>(fields.versionMinor);
    WriteTimestamp(writer,
                   fields.captureHour,
                   fields.captureMinute,
                   fields.captureSecond,
                   fields.captureDay,
                   fields.captureMonth,
                   fields.captureYear);
    WriteTimestamp(writer,
                   fields.secondHour,
                   fields.secondMinute,
                   fields.secondSecond,
                   fields.secondDay,
                   fields.secondMonth,
                   fields.secondYear);
    WriteZeros(writer, ShortTextOffset - writer.Bytes().size());
    writer.Append(FixedText(fields.shortText, ShortTextSize));

    writer.Write<quint8>(fields.rangeType);
    writer.Write<quint8>(fields.rangeSubtype);
    writer.Write<qint32>(fields.pixelOffsetField.value_or(pixelOffset));
    writer.Write<qint32>(fields.pixelLengthField.value_or(pixelSize));
    writer.Write<qint32>(fields.extraOffsetField.value_or(extraOffset));
    writer.Write<qint32>(fields.extraLengthField.value_or(extraSize));
    writer.Write<qint32>(fields.header52);
    writer.Write<qint32>(fields.header56);
    WriteZeros(writer, 6);

    writer.Write<qint16>(fields.reflectedTemp);
    writer.Write<quint8>(fields.paletteCode);
    writer.Write<qint16>(fields.displayLow);
    writer.Write<qint16>(fields.displayHigh);
    writer.Write<quint8>(fields.unitCode);
    writer.Write<quint8>(fields.emissivity);
    writer.Write<qint16>(fields.header69);
    writer.Write<qint32>(fields.header6B);
    writer.Write<quint8>(fields.header6F);
    writer.Write<qint16>(fields.band1Low);
    writer.Write<qint16>(fields.band1High);
    writer.Write<qint16>(fields.band2Low);
    writer.Write<qint16>(fields.band2High);
    WriteZeros(writer, LongTextOffset - writer.Bytes().size());
    writer.Append(FixedText(fields.longText, LongTextSize));

    WriteZeros(writer, MarkerCountOffset - writer.Bytes().size());
    WriteMarkers(writer, fields);
    Q_ASSERT(writer.Bytes().size() == HeaderSize);

    writer.Append(fields.extraBlock);
    for (qint16 value : fields.pixelStream) {
        writer.Write<qint16>(value);
    }
    return writer.Bytes();
}

// The reader decodes in this order: cyclic row shift left by 3, column 0 <- column 1, last row <-
// row 118, row-0 and row-60 repairs of the last three columns, those columns shifted up by one
// row, then a left-right mirror. Each undo below runs in the opposite order; where a step throws
// a value away, the value we choose makes the surviving neighbour the intended one.
std::vector<qint16> EncodePixelStream(const std::vector<qint32>& raw)
{
    constexpr int Last = Width - 3; // first of the three columns that move up a row
    const Grid wanted = ToGrid(raw);

    // Undo the mirror.
    Grid grid(Height, std::vector<qint32>(Width, 0));
    for (int r = 0; r < Height; ++r) {
        for (int c = 0; c < Width; ++c) {
            grid[r][c] = wanted[r][Width - 1 - c];
        }
    }

    // Undo the upward shift of the last three columns: row r ends up holding row r + 1's value, and
    // the bottom row keeps its own, which must then equal row 118's (the last-row repair below).
    for (int c = Last; c < Width; ++c) {
        for (int r = Height - 1; r >= 1; --r) {
            grid[r][c] = grid[r - 1][c];
        }
    }
    // The row-0 and row-60 repairs only overwrite cells whose values are discarded or duplicated by
    // the shift, so nothing needs undoing for them: the row-60 cell's intended value is lost and
    // row 59 of the result shows row 60's value there.

    // Undo the last-row repair: row 118 feeds both 118 and 119. In the last three columns row 118
    // currently holds the intended row 117; keep the intended row 118 instead (the bottom row's value).
    for (int c = 0; c < Width; ++c) {
        grid[Height - 2][c] = c >= Last ? grid[Height - 1][c] : grid[Height - 2][c];
        grid[Height - 1][c] = grid[Height - 2][c];
    }

    // Column 0 is replaced by column 1 when decoding; storing column 1's value there changes nothing.
    for (int r = 0; r < Height; ++r) {
        grid[r][0] = grid[r][1];
    }

    // Undo the cyclic shift: stored position j holds decoded column j - 3.
    std::vector<qint16> stream(static_cast<std::size_t>(Width) * Height);
    for (int r = 0; r < Height; ++r) {
        for (int j = 0; j < Width; ++j) {
            stream[static_cast<std::size_t>(r) * Width + j] = ClampToStored(grid[r][(j + Width - 3) % Width]);
        }
    }
    return stream;
}
