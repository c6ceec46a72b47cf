#include "SnapshotProblem.h"

#include "snapshot/ByteView.h"
#include "snapshot/cQVX.h"

namespace {

constexpr qint64 MarkerCountOffset = 0x200;
constexpr qint64 PixelOffsetOffset = 0x42;
constexpr qint64 PixelLengthOffset = 0x46;
constexpr qint64 ExtraOffsetOffset = 0x4A;
constexpr qint64 ExtraLengthOffset = 0x4E;
constexpr qint64 RangeTypeOffset = 0x40;

QString OptionalBlockProblem(const ByteView& view)
{
    const qint32 extraLength = view.Read<qint32>(ExtraLengthOffset).value_or(0);
    const quint8 rangeType = view.Read<quint8>(RangeTypeOffset).value_or(0);
    if (extraLength <= 0 || rangeType == 0) {
        return {};
    }
    const qint32 extraOffset = view.Read<qint32>(ExtraOffsetOffset).value_or(0);
    const qint64 layoutSize = rangeType == 1 ? 25 : 18;
    if (extraOffset < 0) {
        return QString("corrupt header (optional block offset %1)").arg(extraOffset);
    }
    if (!view.Contains(extraOffset, layoutSize)) {
        return QString("truncated (the optional block at byte %1 runs past the end of the file)").arg(extraOffset);
    }
    return {};
}

QString PixelBlockProblem(const ByteView& view)
{
    const qint32 pixelOffset = view.Read<qint32>(PixelOffsetOffset).value_or(0);
    const qint32 pixelLength = view.Read<qint32>(PixelLengthOffset).value_or(0);
    if (pixelLength < 0 || pixelLength > cQVX::MaxPixelLength || pixelLength % 2 != 0) {
        return QString("corrupt header (pixel block length %1)").arg(pixelLength);
    }
    if (pixelOffset < 0) {
        return QString("corrupt header (pixel block offset %1)").arg(pixelOffset);
    }
    const qint64 end = qint64(pixelOffset) + pixelLength;
    if (end > view.Size()) {
        return QString("truncated (the pixel block ends at byte %1, the file has %2 bytes)").arg(end).arg(view.Size());
    }
    if (end < view.Size()) {
        const qint64 surplus = view.Size() - end;
        return QString("unexpected data after the pixel block (%1 %2)")
            .arg(surplus)
            .arg(surplus == 1 ? "byte" : "bytes");
    }
    return {};
}

} // namespace

QString DescribeSnapshotProblem(QByteArrayView fileBytes)
{
    const ByteView view(fileBytes, ByteOrder::Big);
    if (view.Size() == 0) {
        return "empty file";
    }
    if (view.Size() > cQVX::MaxFileSize) {
        return QString("too large (more than %1 bytes)").arg(cQVX::MaxFileSize);
    }
    if (view.Size() < 3 || fileBytes.first(3) != QByteArrayView("QVX")) {
        return "not a snapshot file";
    }
    if (view.Size() < 5) {
        return "truncated (the version is missing)";
    }
    const quint8 major = view.Read<quint8>(3).value_or(0);
    const quint8 minor = view.Read<quint8>(4).value_or(0);
    if (major == 0 && minor < 2) {
        return QString("unsupported version %1.%2").arg(major).arg(minor);
    }
    if (view.Size() < cQVX::HeaderSize) {
        return QString("truncated (%1 bytes, shorter than the %2-byte header)").arg(view.Size()).arg(cQVX::HeaderSize);
    }
    const quint8 markers = view.Read<quint8>(MarkerCountOffset).value_or(0);
    if (markers > cQVX::MaxMarkers) {
        return QString("corrupt header (%1 markers, at most %2)").arg(markers).arg(cQVX::MaxMarkers);
    }
    if (QString problem = OptionalBlockProblem(view); !problem.isEmpty()) {
        return problem;
    }
    if (QString problem = PixelBlockProblem(view); !problem.isEmpty()) {
        return problem;
    }
    return "not a valid snapshot file";
}
