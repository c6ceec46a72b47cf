#include "SeverityEntry.h"

#include "ExtensionEntry.h"

#include <bit>

namespace {

// The class's fields read and written side by side, in file order.

bool ReadClass(EntryReader& in, SeverityClass& entry)
{
    const auto bound = in.ReadUInt32();
    auto name = bound ? in.ReadText() : std::nullopt;
    auto action = name ? in.ReadText() : std::nullopt;
    const auto priority = action ? in.ReadUInt32() : std::nullopt;
    if (!priority) {
        return false;
    }
    entry = {std::bit_cast<float>(*bound), std::move(*name), std::move(*action), *priority};
    return true;
}

void WriteClass(EntryWriter& out, const SeverityClass& entry)
{
    out.WriteUInt32(std::bit_cast<quint32>(entry.upperBound));
    out.WriteText(entry.name);
    out.WriteText(entry.action);
    out.WriteUInt32(entry.priority);
}

} // namespace

std::optional<SeverityCriteria> ReadSeverityCriteria(EntryReader& in)
{
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
    if (CheckCriteria(criteria)) {
        return std::nullopt;
    }
    return criteria;
}

void WriteSeverityCriteria(EntryWriter& out, const SeverityCriteria& criteria)
{
    out.WriteUInt32(quint32(criteria.kind));
    if (criteria.kind != SeverityKind::None) {
        out.WriteUInt32(quint32(criteria.classes.size()));
        for (const SeverityClass& entry : criteria.classes) {
            WriteClass(out, entry);
        }
    }
}

std::optional<SeverityCriteria> ReadSeverityEntry(QByteArrayView payload)
{
    EntryReader in(payload);
    auto criteria = ReadSeverityCriteria(in);
    return criteria && in.AtEnd() ? criteria : std::nullopt;
}

QByteArray WriteSeverityEntry(const SeverityCriteria& criteria)
{
    EntryWriter out;
    WriteSeverityCriteria(out, criteria);
    return out.Bytes();
}
