#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QtEndian>

#include <cstring>
#include <optional>
#include <type_traits>

// Bounds-checked access to fixed-size integers in untrusted bytes, in a stated byte order.
// Shared by every reader of files from outside (snapshots, projects, bitmaps) so that no
// reader does its own offset arithmetic.
enum class ByteOrder { Big, Little };

class ByteView
{
public:
    ByteView(QByteArrayView bytes, ByteOrder order)
        : bytes(bytes)
        , order(order)
    { }

    qsizetype Size() const { return bytes.size(); }

    // True when [offset, offset + length) lies inside the bytes; safe against overflow and negatives.
    bool Contains(qint64 offset, qint64 length) const
    {
        return offset >= 0 && length >= 0 && offset <= bytes.size() && length <= bytes.size() - offset;
    }

    template<typename T>
    std::optional<T> Read(qint64 offset) const
    {
        static_assert(std::is_integral_v<T>);
        if (!Contains(offset, sizeof(T))) {
            return std::nullopt;
        }
        T value;
        std::memcpy(&value, bytes.data() + offset, sizeof(T));
        return order == ByteOrder::Big ? qFromBigEndian(value) : qFromLittleEndian(value);
    }

    // The sub-range, or nothing when it does not fit.
    std::optional<QByteArrayView> Slice(qint64 offset, qint64 length) const
    {
        if (!Contains(offset, length)) {
            return std::nullopt;
        }
        return bytes.sliced(offset, length);
    }

private:
    QByteArrayView bytes;
    ByteOrder order;
};

// Reads a format front to back; every read says whether the bytes were there.
class ByteCursor
{
public:
    ByteCursor(QByteArrayView bytes, ByteOrder order)
        : view(bytes, order)
    { }

    template<typename T>
    std::optional<T> Read()
    {
        auto value = view.Read<T>(position);
        if (value) {
            position += sizeof(T);
        }
        return value;
    }

    std::optional<QByteArrayView> Take(qint64 length)
    {
        auto slice = view.Slice(position, length);
        if (slice) {
            position += length;
        }
        return slice;
    }

    qint64 Position() const { return position; }
    qint64 Remaining() const { return view.Size() - position; }
    bool AtEnd() const { return position == view.Size(); }

private:
    ByteView view;
    qint64 position = 0;
};

// Appends integers in a stated byte order; the mirror of ByteCursor for writers.
class ByteWriter
{
public:
    explicit ByteWriter(ByteOrder order)
        : order(order)
    { }

    template<typename T>
    void Write(T value)
    {
        static_assert(std::is_integral_v<T>);
        value = order == ByteOrder::Big ? qToBigEndian(value) : qToLittleEndian(value);
        bytes.append(reinterpret_cast<const char*>(&value), sizeof(T));
    }

    void Append(QByteArrayView data) { bytes.append(data); }
    const QByteArray& Bytes() const { return bytes; }

private:
    QByteArray bytes;
    ByteOrder order;
};
