#include "cQVX.h"

#include "ByteView.h"
#include "PixelBufferStock.h"

#include <QFile>

namespace {
// Header offsets of the fields that are read on their own.
constexpr qint64 VersionMajorOffset = 3;
constexpr qint64 VersionMinorOffset = 4;
constexpr qint64 CaptureTimestampOffset = 5;
constexpr qint64 SecondTimestampOffset = 12;
constexpr qint64 ShortTextOffset = 0x20;
constexpr qint64 LongTextOffset = 0x100;
constexpr qint64 MarkerCountOffset = 0x200;
constexpr qint64 MarkerPositionOffset = 0x201;
constexpr qint64 MarkerEmissivityOffset = 0x22A;
constexpr qint64 ExtraLayoutASize = 25;
constexpr qint64 ExtraLayoutBSize = 18;

// Every read below lies inside the header, whose presence ParseHeader checks first.
template<typename T>
T At(const ByteView& view, qint64 offset)
{
    return view.Read<T>(offset).value_or(T {});
}

template<std::size_t N>
void WidenText(const ByteView& view, qint64 offset, std::array<char16_t, N>& text)
{
    for (std::size_t i = 0; i < N; ++i) {
        text[i] = At<quint8>(view, offset + qint64(i));
    }
}

struct Timestamp
{
    quint8& hour;
    quint8& minute;
    quint8& second;
    quint8& day;
    quint8& month;
    quint16& year;
};

// Out-of-range dates are repaired, not refused: cameras with an unset clock write zeros.
void ReadTimestamp(const ByteView& view, qint64 offset, Timestamp stamp)
{
    stamp.hour = At<quint8>(view, offset);
    stamp.minute = At<quint8>(view, offset + 1);
    stamp.second = At<quint8>(view, offset + 2);
    const quint8 day = At<quint8>(view, offset + 3);
    const quint8 month = At<quint8>(view, offset + 4);
    const quint16 year = At<quint16>(view, offset + 5);
    stamp.day = day >= 1 && day <= 31 ? day : 1;
    stamp.month = month >= 1 && month <= 12 ? month : 1;
    stamp.year = year >= 2000 && year <= 2999 ? year : 2000;
}
} // namespace

cQVX::cQVX()
    : palette(cIronbowLookup())
{
    Reset();
}

cQVX::cQVX(const QString& path)
    : cQVX()
{
    Load(path);
}

cQVX::~cQVX()
{
    ReleasePixelBuffers();
}

void cQVX::ReleasePixelBuffers()
{
    ReturnPixelBuffer(raw);
    ReturnPixelBuffer(smoothed);
    ReturnPixelBuffer(rgb);
}

void cQVX::Reset()
{
    static_cast<SnapshotHeader&>(*this) = SnapshotHeader();
    pixelBytes = QByteArray();
    ReleasePixelBuffers();
    invalidReason.clear();
}

bool cQVX::Load(const QString& path)
{
    Reset();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    // One byte past the limit tells a file that is too long from one that just fits.
    const QByteArray bytes = file.read(MaxFileSize + 1);
    if (file.error() != QFileDevice::NoError) {
        return false;
    }
    LoadFromBytes(bytes);
    return true;
}

bool cQVX::LoadFromBytes(QByteArrayView fileBytes)
{
    Reset();
    valid = CheckFileSize(fileBytes.size()) && ParseHeader(fileBytes) && CheckFileEnd(fileBytes.size());
    if (!valid) {
        pixelBytes = QByteArray();
    }
    return valid;
}

bool cQVX::Refuse(const QString& reason)
{
    invalidReason = reason;
    return false;
}

bool cQVX::CheckFileSize(qint64 size)
{
    if (size == 0) {
        return Refuse("empty file");
    }
    if (size > MaxFileSize) {
        return Refuse(QString("too large (more than %1 bytes)").arg(MaxFileSize));
    }
    return true;
}

// The pixel block is the last thing in the file: anything missing or left over is damage.
bool cQVX::CheckFileEnd(qint64 size)
{
    const qint64 end = qint64(pixelOffset) + qint64(pixelLength);
    if (end < size) {
        const qint64 surplus = size - end;
        return Refuse(
            QString("unexpected data after the pixel block (%1 %2)").arg(surplus).arg(surplus == 1 ? "byte" : "bytes"));
    }
    return true;
}

bool cQVX::ParseHeader(QByteArrayView bytes)
{
    const ByteView view(bytes, ByteOrder::Big);
    if (!view.Contains(0, 3) || bytes.first(3) != "QVX") {
        return Refuse("not a snapshot file");
    }
    if (!view.Contains(0, VersionMinorOffset + 1)) {
        return Refuse("truncated (the version is missing)");
    }
    versionMajor = At<quint8>(view, VersionMajorOffset);
    versionMinor = At<quint8>(view, VersionMinorOffset);
    if (versionMajor == 0 && versionMinor < 2) {
        return Refuse(QString("unsupported version %1.%2").arg(versionMajor).arg(versionMinor));
    }
    if (!view.Contains(0, HeaderSize)) {
        return Refuse(
            QString("truncated (%1 bytes, shorter than the %2-byte header)").arg(view.Size()).arg(HeaderSize));
    }
    SetCodeTable(versionMajor == 0 && versionMinor <= 2);
    ReadTimestamps(view);
    WidenText(view, ShortTextOffset, shortText);
    ReadFixedFields(view);
    WidenText(view, LongTextOffset, longText);
    return ReadMarkers(view) && ReadExtraBlock(view) && ReadPixelBlock(view);
}

bool cQVX::ReadPixelBlock(const ByteView& view)
{
    if (pixelLength < 0 || pixelLength > MaxPixelLength || pixelLength % 2 != 0) {
        return Refuse(QString("corrupt header (pixel block length %1)").arg(pixelLength));
    }
    if (pixelOffset < 0) {
        return Refuse(QString("corrupt header (pixel block offset %1)").arg(pixelOffset));
    }
    const auto block = view.Slice(pixelOffset, pixelLength);
    if (!block) {
        return Refuse(QString("truncated (the pixel block ends at byte %1, the file has %2 bytes)")
                          .arg(qint64(pixelOffset) + pixelLength)
                          .arg(view.Size()));
    }
    if (pixelLength > 0) {
        pixelBytes = block->toByteArray();
    }
    return true;
}

void cQVX::SetCodeTable(bool oldFile)
{
    rainbowCode = oldFile ? 0 : 2;
    ironbowCode = 1;
    greyCode = oldFile ? 2 : 0;
    highContrastCode = 3;
    furtherPaletteCodes = {4, 5, 6};
    kelvinCode = oldFile ? 0 : 2;
    celsiusCode = oldFile ? 1 : 0;
    fahrenheitCode = oldFile ? 2 : 1;
}

void cQVX::ReadTimestamps(const ByteView& view)
{
    ReadTimestamp(view,
                  CaptureTimestampOffset,
                  {captureHour, captureMinute, captureSecond, captureDay, captureMonth, captureYear});
    ReadTimestamp(
        view, SecondTimestampOffset, {secondHour, secondMinute, secondSecond, secondDay, secondMonth, secondYear});
}

void cQVX::ReadFixedFields(const ByteView& view)
{
    rangeType = At<quint8>(view, 0x40);
    rangeSubtype = At<quint8>(view, 0x41);
    valueScale = rangeType <= 2 ? 100.0f : 10.0f;
    pixelOffset = At<qint32>(view, 0x42);
    pixelLength = At<qint32>(view, 0x46);
    extraOffset = At<qint32>(view, 0x4A);
    extraLength = At<qint32>(view, 0x4E);
    header52 = At<qint32>(view, 0x52);
    header56 = At<qint32>(view, 0x56);
    reflectedTemp = At<qint16>(view, 0x60);
    paletteCode = At<quint8>(view, 0x62);
    displayLow = At<qint16>(view, 0x63);
    displayHigh = At<qint16>(view, 0x65);
    unitCode = At<quint8>(view, 0x67);
    emissivity = At<quint8>(view, 0x68);
    header69 = At<qint16>(view, 0x69);
    header6B = At<qint32>(view, 0x6B);
    header6F = At<quint8>(view, 0x6F);
    orientation = 0;
    band1Low = At<qint16>(view, 0x70);
    band1High = At<qint16>(view, 0x72);
    band2Low = At<qint16>(view, 0x74);
    band2High = At<qint16>(view, 0x76);
}

// The marker area has room for ten; a larger count means the header is corrupt.
bool cQVX::ReadMarkers(const ByteView& view)
{
    const quint8 count = At<quint8>(view, MarkerCountOffset);
    if (count > MaxMarkers) {
        return Refuse(QString("corrupt header (%1 markers, at most %2)").arg(count).arg(MaxMarkers));
    }
    markerCount = count;
    for (int i = 0; i < markerCount; ++i) {
        markerX[i] = At<quint16>(view, MarkerPositionOffset + 4 * i);
        markerY[i] = At<quint16>(view, MarkerPositionOffset + 4 * i + 2);
        markerEmissivity[i] = At<quint8>(view, MarkerEmissivityOffset + i);
    }
    return true;
}

bool cQVX::ReadExtraBlock(const ByteView& view)
{
    if (extraLength <= 0 || rangeType == 0) {
        return true;
    }
    const bool layoutA = rangeType == 1;
    if (extraOffset < 0) {
        return Refuse(QString("corrupt header (optional block offset %1)").arg(extraOffset));
    }
    const auto block = view.Slice(extraOffset, layoutA ? ExtraLayoutASize : ExtraLayoutBSize);
    if (!block) {
        return Refuse(
            QString("truncated (the optional block at byte %1 runs past the end of the file)").arg(extraOffset));
    }
    const ByteView extra(*block, ByteOrder::Big);
    if (layoutA) {
        extraA.byte0 = At<quint8>(extra, 0);
        extraA.word1 = At<qint16>(extra, 1);
        extraA.long3 = At<qint32>(extra, 3);
        extraA.word7 = At<qint16>(extra, 7);
        extraA.word9 = At<qint16>(extra, 9);
        extraA.long11 = At<qint32>(extra, 11);
        for (int i = 0; i < 5; ++i) {
            extraA.words15[i] = At<qint16>(extra, 15 + 2 * i);
        }
    } else {
        for (int i = 0; i < 9; ++i) {
            extraB[i] = At<qint16>(extra, 2 * i);
        }
    }
    return true;
}
