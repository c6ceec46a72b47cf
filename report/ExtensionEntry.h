#pragma once

#include "snapshot/ByteView.h"

#include <QString>

#include <optional>

// The payload of one entry of the project file's extension block, read and written in the
// block's shapes: little-endian uint32 values, and texts as a uint32 byte length followed by
// that many bytes of UTF-8.

class EntryReader
{
public:
    explicit EntryReader(QByteArrayView payload)
        : in(payload, ByteOrder::Little)
    { }

    EntryReader(QByteArray&&) = delete;

    std::optional<quint32> ReadUInt32() { return in.Read<quint32>(); }
    // Nothing when the bytes end early or are not valid UTF-8.
    std::optional<QString> ReadText();
    qint64 Remaining() const { return in.Remaining(); }
    // A known entry must use its whole payload.
    bool AtEnd() const { return in.AtEnd(); }

private:
    ByteCursor in;
};

class EntryWriter
{
public:
    void WriteUInt32(quint32 value) { out.Write<quint32>(value); }
    void WriteText(const QString& text);

    const QByteArray& Bytes() const { return out.Bytes(); }

private:
    ByteWriter out {ByteOrder::Little};
};
