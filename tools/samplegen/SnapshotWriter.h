#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <optional>
#include <vector>

// Writes synthetic .qvx files in the camera's exact format. Used by the sample generator,
// the tests, the benchmarks and the fuzz seed corpus; never by the program itself.

struct SnapshotMarker
{
    quint16 x = 0;
    quint16 y = 0;
    quint8 emissivity = 100;
};

// Every field of a snapshot file, in file terms. The offsets and lengths of the pixel and
// optional blocks are computed by WriteSnapshotFile unless overridden.
struct SnapshotFileFields
{
    quint8 versionMajor = 0;
    quint8 versionMinor = 4;
    quint8 captureHour = 10;
    quint8 captureMinute = 30;
    quint8 captureSecond = 0;
    quint8 captureDay = 15;
    quint8 captureMonth = 6;
    quint16 captureYear = 2026;
    quint8 secondHour = 10;
    quint8 secondMinute = 30;
    quint8 secondSecond = 0;
    quint8 secondDay = 15;
    quint8 secondMonth = 6;
    quint16 secondYear = 2026;
    QByteArray shortText; // cut or zero-padded to 32 bytes
    QByteArray longText; // cut or zero-padded to 256 bytes
    quint8 rangeType = 0;
    quint8 rangeSubtype = 0;
    qint16 reflectedTemp = 2000;
    quint8 paletteCode = 1;
    qint16 displayLow = 0;
    qint16 displayHigh = 0;
    quint8 unitCode = 0;
    quint8 emissivity = 95;
    qint16 header69 = 0;
    qint32 header6B = 0;
    quint8 header6F = 0;
    qint32 header52 = 0;
    qint32 header56 = 0;
    qint16 band1Low = 0;
    qint16 band1High = 0;
    qint16 band2Low = 0;
    qint16 band2High = 0;
    std::vector<SnapshotMarker> markers; // at most 10 are written
    std::optional<quint8> markerCountField; // written instead of markers.size() when set
    QByteArray extraBlock; // the optional block; none when empty
    std::vector<qint16> pixelStream; // the 16-bit values exactly as stored, normally 19200

    // Written instead of the computed values when set, to build damaged files.
    std::optional<qint32> pixelOffsetField;
    std::optional<qint32> pixelLengthField;
    std::optional<qint32> extraOffsetField;
    std::optional<qint32> extraLengthField;
};

// Offsets of the fixed header that writers and tests share.
namespace SnapshotLayout {
constexpr int HeaderSize = 564;
constexpr int ShortTextOffset = 0x020;
constexpr int ShortTextSize = 32;
constexpr int LongTextOffset = 0x100;
constexpr int LongTextSize = 256;
constexpr int MarkerCountOffset = 0x200;
constexpr int MarkerEmissivityOffset = 0x22A;
constexpr int MarkerSlots = 10;
constexpr int Width = 160;
constexpr int Height = 120;
} // namespace SnapshotLayout

// The file's bytes: 564-byte header, then the optional block, then the pixel block last.
QByteArray WriteSnapshotFile(const SnapshotFileFields& fields);

// The stored pixel stream that the reader's decoding (row shift, column and row repairs,
// mirror) turns back into `raw` (160 x 120, row 0 first, as the reader lays it out).
// Pixels that the decoding overwrites with a neighbour come back as that neighbour.
std::vector<qint16> EncodePixelStream(const std::vector<qint32>& raw);
