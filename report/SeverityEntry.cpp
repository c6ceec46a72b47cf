#include "SeverityEntry.h"

#include "snapshot/ByteView.h"

#include <QStringDecoder>

#include <bit>

namespace {

class PayloadReader
{
public:
    explicit PayloadReader(QByteArrayView payload)
        : in(payload, ByteOrder::Little)
    { }

    std::optional<quint32> ReadUInt32() { return in.Read<quint32>(); }

    std::optional<float> ReadFloat()
    {
        const auto bits = in.Read<quint32>();
        return bits ? std::optional(std::bit_cast<float>(*bits)) : std::nullopt;
    }

    std::optional<QString> ReadText()
    {
        const auto length = in.Read<quint32>();
        const auto bytes = length ? in.Take(*length) : std::nullopt;
        if (!bytes) {
            return std::nullopt;
        }
        QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
        QString text = decoder.decode(*bytes);
        return decoder.hasError() ? std::nullopt : std::optional(text);
    }

    bool AtEnd() const { return in.AtEnd(); }

private:
    ByteCursor in;
};

class PayloadWriter
{
public:
    void WriteUInt32(quint32 value) { out.Write<quint32>(value); }
    void WriteFloat(float value) { out.Write<quint32>(std::bit_cast<quint32>(value)); }
    void WriteText(const QString& text)
    {
        const QByteArray bytes = text.toUtf8();
        out.Write<quint32>(quint32(bytes.size()));
        out.Append(bytes);
    }

    const QByteArray& Bytes() const { return out.Bytes(); }

private:
    ByteWriter out {ByteOrder::Little};
};

// The class's fields read and written side by side, in file order.

bool ReadClass(PayloadReader& in, SeverityClass& entry)
{
    const auto bound = in.ReadFloat();
    auto name = bound ? in.ReadText() : std::nullopt;
    auto action = name ? in.ReadText() : std::nullopt;
    const auto priority = action ? in.ReadUInt32() : std::nullopt;
    if (!priority) {
        return false;
    }
    entry = {*bound, std::move(*name), std::move(*action), *priority};
    return true;
}

void WriteClass(PayloadWriter& out, const SeverityClass& entry)
{
    out.WriteFloat(entry.upperBound);
    out.WriteText(entry.name);
    out.WriteText(entry.action);
    out.WriteUInt32(entry.priority);
}

} // namespace

std::optional<SeverityCriteria> ReadSeverityEntry(QByteArrayView payload)
{
    PayloadReader in(payload);
    const auto kind = in.ReadUInt32();
    if (!kind || *kind > quint32(LastSeverityKind)) {
        return std::nullopt;
    }
    SeverityCriteria criteria {SeverityKind(*kind), {}};
    if (criteria.kind != SeverityKind::None) {
        const auto count = in.ReadUInt32();
        if (!count || *count < 1 || *count > quint32(MaxSeverityClasses)) {
            return std::nullopt;
        }
        for (quint32 index = 0; index < *count; ++index) {
            SeverityClass entry;
            if (!ReadClass(in, entry)) {
                return std::nullopt;
            }
            criteria.classes.push_back(std::move(entry));
        }
    }
    if (!in.AtEnd() || CheckCriteria(criteria)) {
        return std::nullopt;
    }
    return criteria;
}

QByteArray WriteSeverityEntry(const SeverityCriteria& criteria)
{
    PayloadWriter out;
    out.WriteUInt32(quint32(criteria.kind));
    if (criteria.kind != SeverityKind::None) {
        out.WriteUInt32(quint32(criteria.classes.size()));
        for (const SeverityClass& entry : criteria.classes) {
            WriteClass(out, entry);
        }
    }
    return out.Bytes();
}
