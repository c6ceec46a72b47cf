#include "ArchiveString.h"

#include "Windows1252.h"

#include <QtEndian>

namespace {

constexpr quint8 LongerLength8 = 0xFF;
constexpr quint16 WideTag = 0xFFFE;
constexpr quint16 LongerLength16 = 0xFFFF;
constexpr quint32 LongerLength32 = 0xFFFFFFFF;

// The length that follows a first byte of 0xFF and a 16-bit value other than the wide tag.
std::optional<quint64> ReadLengthAfter16(ByteCursor& in, quint16 length16)
{
    if (length16 != LongerLength16) {
        return length16;
    }
    const auto length32 = in.Read<quint32>();
    if (!length32 || *length32 != LongerLength32) {
        return length32;
    }
    return in.Read<quint64>();
}

std::optional<quint64> ReadLength(ByteCursor& in)
{
    const auto length8 = in.Read<quint8>();
    if (!length8 || *length8 != LongerLength8) {
        return length8;
    }
    const auto length16 = in.Read<quint16>();
    if (!length16) {
        return std::nullopt;
    }
    return ReadLengthAfter16(in, *length16);
}

std::optional<QString> ReadWideCharacters(ByteCursor& in, quint64 length)
{
    if (length > quint64(in.Remaining()) / 2) {
        return std::nullopt;
    }
    if (length == 0) {
        return QString();
    }
    const auto bytes = in.Take(qint64(length) * 2);
    QString text(qsizetype(length), Qt::Uninitialized);
    qFromLittleEndian<quint16>(bytes->data(), qsizetype(length), text.data());
    return text;
}

std::optional<QString> ReadNarrowCharacters(ByteCursor& in, quint64 length)
{
    if (length > quint64(in.Remaining())) {
        return std::nullopt;
    }
    return DecodeWindows1252(*in.Take(qint64(length)));
}

} // namespace

void WriteArchiveString(ByteWriter& out, QStringView text)
{
    const auto length = quint64(text.size());
    out.Write<quint8>(LongerLength8);
    out.Write<quint16>(WideTag);
    if (length < LongerLength8) {
        out.Write<quint8>(quint8(length));
    } else if (length < WideTag) {
        out.Write<quint8>(LongerLength8);
        out.Write<quint16>(quint16(length));
    } else if (length < LongerLength32) {
        out.Write<quint8>(LongerLength8);
        out.Write<quint16>(LongerLength16);
        out.Write<quint32>(quint32(length));
    } else {
        out.Write<quint8>(LongerLength8);
        out.Write<quint16>(LongerLength16);
        out.Write<quint32>(LongerLength32);
        out.Write<quint64>(length);
    }
    if (text.isEmpty()) {
        return; // an empty view may have no characters to point at
    }
    QByteArray units(text.size() * 2, Qt::Uninitialized);
    qToLittleEndian<quint16>(text.utf16(), text.size(), units.data());
    out.Append(units);
}

std::optional<QString> ReadArchiveString(ByteCursor& in)
{
    const auto length8 = in.Read<quint8>();
    if (!length8) {
        return std::nullopt;
    }
    if (*length8 != LongerLength8) {
        return ReadNarrowCharacters(in, *length8);
    }
    const auto length16 = in.Read<quint16>();
    if (!length16) {
        return std::nullopt;
    }
    if (*length16 != WideTag) {
        const auto length = ReadLengthAfter16(in, *length16);
        return length ? ReadNarrowCharacters(in, *length) : std::nullopt;
    }
    const auto length = ReadLength(in);
    return length ? ReadWideCharacters(in, *length) : std::nullopt;
}
