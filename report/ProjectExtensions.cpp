#include "ProjectExtensions.h"

#include "ExtensionEntry.h"
#include "MeasurementEntry.h"
#include "SeverityEntry.h"

#include <algorithm>
#include <set>

namespace {

const QByteArrayView Magic("QVRX");
constexpr quint32 BlockVersion = 1;
constexpr qint64 EntryHeaderSize = 4 + 4;

// A choice among numbered values, stored as a uint32 no larger than the last value.
template<typename Enum>
bool ReadChoice(EntryReader& in, std::optional<Enum>& field, Enum last)
{
    const auto value = in.ReadUInt32();
    if (!value || *value > quint32(last)) {
        return false;
    }
    field = Enum(*value);
    return true;
}

template<typename Enum>
bool WriteChoice(EntryWriter& out, const std::optional<Enum>& field)
{
    if (field) {
        out.WriteUInt32(quint32(*field));
    }
    return field.has_value();
}

// Each tag's reader and writer side by side. A reader returns false for a payload that does not
// hold a valid value; a writer returns false when the project states nothing for its tag, and
// the entry is then left out.

bool ReadTemplateEntry(EntryReader& in, ReportProject& project)
{
    return ReadChoice(in, project.reportTemplate, ReportTemplate::Buildings);
}

bool WriteTemplateEntry(EntryWriter& out, const ReportProject& project)
{
    return WriteChoice(out, project.reportTemplate);
}

bool ReadUnitEntry(EntryReader& in, ReportProject& project)
{
    return ReadChoice(in, project.unit, TemperatureUnit::Kelvin);
}

bool WriteUnitEntry(EntryWriter& out, const ReportProject& project)
{
    return WriteChoice(out, project.unit);
}

// The inspection index is an int32: −1 for the logo, a valid inspection for the others. Each file
// has at most one entry and no entry has an empty path.
bool ReadRelativePathsEntry(EntryReader& in, ReportProject& project)
{
    constexpr quint32 SmallestEntry = 4 + 4 + 4;
    const auto count = in.ReadUInt32();
    if (!count || *count > in.Remaining() / SmallestEntry) {
        return false;
    }
    std::vector<ProjectFileEntry> entries;
    for (quint32 index = 0; index < *count; ++index) {
        const auto kind = in.ReadUInt32();
        const auto inspection = in.ReadUInt32();
        auto path = in.ReadText();
        if (!kind || *kind > quint32(ProjectFileKind::Photo) || !inspection || !path || path->isEmpty()) {
            return false;
        }
        const ProjectFileEntry entry {ProjectFileKind(*kind), qint32(*inspection), std::move(*path)};
        const bool placed = entry.kind == ProjectFileKind::Logo ? entry.inspection == -1
                                                                : project.SelectionAt(entry.inspection) != nullptr;
        const bool repeated = std::any_of(
            entries.begin(), entries.end(), [&entry](const ProjectFileEntry& seen) { return seen.SameFileAs(entry); });
        if (!placed || repeated) {
            return false;
        }
        entries.push_back(entry);
    }
    project.relativePaths = std::move(entries);
    return true;
}

bool WriteRelativePathsEntry(EntryWriter& out, const ReportProject& project)
{
    if (project.relativePaths.empty()) {
        return false;
    }
    out.WriteUInt32(quint32(project.relativePaths.size()));
    for (const ProjectFileEntry& entry : project.relativePaths) {
        out.WriteUInt32(quint32(entry.kind));
        out.WriteUInt32(quint32(qint32(entry.inspection)));
        out.WriteText(entry.path);
    }
    return true;
}

bool ReadCriteriaEntry(EntryReader& in, ReportProject& project)
{
    project.severityCriteria = ReadSeverityCriteria(in);
    return project.severityCriteria.has_value();
}

bool WriteCriteriaEntry(EntryWriter& out, const ReportProject& project)
{
    if (project.severityCriteria) {
        WriteSeverityCriteria(out, *project.severityCriteria);
    }
    return project.severityCriteria.has_value();
}

struct ExtensionTag
{
    quint32 tag;
    bool (*read)(EntryReader& in, ReportProject& project);
    bool (*write)(EntryWriter& out, const ReportProject& project);
};

// Entries are written in this order. A new tag gets a row here and a line in PROJECT-FORMAT.md.
constexpr ExtensionTag Tags[] = {
    {1, ReadTemplateEntry, WriteTemplateEntry},
    {2, ReadUnitEntry, WriteUnitEntry},
    {3, ReadRelativePathsEntry, WriteRelativePathsEntry},
    {4, ReadMeasurementEntry, WriteMeasurementEntry},
    {5, ReadCriteriaEntry, WriteCriteriaEntry},
};

const ExtensionTag* KnownTag(quint32 tag)
{
    for (const ExtensionTag& known : Tags) {
        if (known.tag == tag) {
            return &known;
        }
    }
    return nullptr;
}

} // namespace

bool ReadProjectExtensions(QByteArrayView rest, ReportProject& project)
{
    if (!rest.startsWith(Magic)) {
        return true;
    }
    ByteCursor in(rest, ByteOrder::Little);
    in.Take(Magic.size());
    const auto version = in.Read<quint32>();
    const auto count = in.Read<quint32>();
    if (!version || *version != BlockVersion || !count || *count > in.Remaining() / EntryHeaderSize) {
        return false;
    }
    std::set<quint32> seen;
    for (quint32 index = 0; index < *count; ++index) {
        const auto tag = in.Read<quint32>();
        const auto length = in.Read<quint32>();
        const auto payload = length ? in.Take(*length) : std::nullopt;
        if (!tag || !payload || !seen.insert(*tag).second) {
            return false;
        }
        if (const ExtensionTag* known = KnownTag(*tag)) {
            EntryReader entry(*payload);
            if (!known->read(entry, project) || !entry.AtEnd()) {
                return false;
            }
        }
    }
    // The block ends the file.
    return in.AtEnd();
}

QByteArray WriteProjectExtensions(const ReportProject& project)
{
    ByteWriter entries(ByteOrder::Little);
    quint32 count = 0;
    for (const ExtensionTag& known : Tags) {
        EntryWriter entry;
        if (!known.write(entry, project)) {
            continue;
        }
        entries.Write<quint32>(known.tag);
        entries.Write<quint32>(quint32(entry.Bytes().size()));
        entries.Append(entry.Bytes());
        ++count;
    }
    if (count == 0) {
        return {};
    }
    ByteWriter block(ByteOrder::Little);
    block.Append(Magic);
    block.Write<quint32>(BlockVersion);
    block.Write<quint32>(count);
    block.Append(entries.Bytes());
    return block.Bytes();
}
