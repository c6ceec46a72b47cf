#include "MeasurementEntry.h"

#include "ExtensionEntry.h"
#include "ReportProject.h"

#include <algorithm>
#include <bit>
#include <set>

namespace {

constexpr quint32 EmissivityFlag = 1u << 0;
constexpr quint32 ReflectedFlag = 1u << 1;
constexpr quint32 PaletteFlag = 1u << 2;
constexpr quint32 RangeFlag = 1u << 3;
constexpr quint32 SpotsFlag = 1u << 4;
constexpr quint32 BoxesFlag = 1u << 5;
constexpr quint32 KnownFlags = (1u << 6) - 1;

std::optional<float> ReadFloat(EntryReader& in)
{
    const auto bits = in.ReadUInt32();
    return bits ? std::optional(std::bit_cast<float>(*bits)) : std::nullopt;
}

std::optional<qint32> ReadInt(EntryReader& in)
{
    const auto bits = in.ReadUInt32();
    return bits ? std::optional(qint32(*bits)) : std::nullopt;
}

void WriteFloat(EntryWriter& out, float value)
{
    out.WriteUInt32(std::bit_cast<quint32>(value));
}

void WriteInt(EntryWriter& out, qint32 value)
{
    out.WriteUInt32(quint32(value));
}

// The coordinates are checked before they become points and boxes, so that no sum of them can
// overflow; a count above the limit is refused before anything is read.
bool InPicture(qint32 x, qint32 y)
{
    return x >= 0 && x < MeasurementSettings::PictureWidth && y >= 0 && y < MeasurementSettings::PictureHeight;
}

bool ReadSpots(EntryReader& in, std::vector<QPoint>& spots)
{
    const auto count = in.ReadUInt32();
    if (!count || *count > quint32(MeasurementSettings::MaxSpots)) {
        return false;
    }
    for (quint32 index = 0; index < *count; ++index) {
        const auto x = ReadInt(in);
        const auto y = x ? ReadInt(in) : std::nullopt;
        if (!y || !InPicture(*x, *y)) {
            return false;
        }
        spots.emplace_back(*x, *y);
    }
    return true;
}

bool ReadBoxes(EntryReader& in, std::vector<QRect>& boxes)
{
    const auto count = in.ReadUInt32();
    if (!count || *count > quint32(MeasurementSettings::MaxBoxes)) {
        return false;
    }
    for (quint32 index = 0; index < *count; ++index) {
        const auto x = ReadInt(in);
        const auto y = x ? ReadInt(in) : std::nullopt;
        const auto width = y ? ReadInt(in) : std::nullopt;
        const auto height = width ? ReadInt(in) : std::nullopt;
        if (!height || !InPicture(*x, *y) || *width < 1 || *height < 1 || *width > MeasurementSettings::PictureWidth ||
            *height > MeasurementSettings::PictureHeight) {
            return false;
        }
        boxes.emplace_back(*x, *y, *width, *height);
    }
    return true;
}

bool ReadSettings(EntryReader& in, MeasurementSettings& settings)
{
    const auto flags = in.ReadUInt32();
    if (!flags || (*flags & ~quint32(KnownFlags))) {
        return false;
    }
    if (*flags & EmissivityFlag && !(settings.emissivity = ReadFloat(in))) {
        return false;
    }
    if (*flags & ReflectedFlag && !(settings.reflectedKelvin = ReadFloat(in))) {
        return false;
    }
    if (*flags & PaletteFlag) {
        const auto palette = in.ReadUInt32();
        if (!palette || *palette > quint32(PaletteKind::HighContrast)) {
            return false;
        }
        settings.palette = PaletteKind(*palette);
    }
    if (*flags & RangeFlag) {
        const auto low = ReadFloat(in);
        const auto high = low ? ReadFloat(in) : std::nullopt;
        if (!high) {
            return false;
        }
        settings.manualRange = ManualColourRange {*low, *high};
    }
    if (*flags & SpotsFlag && !ReadSpots(in, settings.spots)) {
        return false;
    }
    if (*flags & BoxesFlag && !ReadBoxes(in, settings.boxes)) {
        return false;
    }
    return IsWithinLimits(settings);
}

void WriteSettings(EntryWriter& out, const MeasurementSettings& settings)
{
    const quint32 flags = (settings.emissivity ? EmissivityFlag : 0u) |
        (settings.reflectedKelvin ? ReflectedFlag : 0u) | (settings.palette ? PaletteFlag : 0u) |
        (settings.manualRange ? RangeFlag : 0u) | (settings.spots.empty() ? 0u : SpotsFlag) |
        (settings.boxes.empty() ? 0u : BoxesFlag);
    out.WriteUInt32(flags);
    if (settings.emissivity) {
        WriteFloat(out, *settings.emissivity);
    }
    if (settings.reflectedKelvin) {
        WriteFloat(out, *settings.reflectedKelvin);
    }
    if (settings.palette) {
        out.WriteUInt32(quint32(*settings.palette));
    }
    if (settings.manualRange) {
        WriteFloat(out, settings.manualRange->lowKelvin);
        WriteFloat(out, settings.manualRange->highKelvin);
    }
    if (!settings.spots.empty()) {
        out.WriteUInt32(quint32(settings.spots.size()));
        for (const QPoint& spot : settings.spots) {
            WriteInt(out, spot.x());
            WriteInt(out, spot.y());
        }
    }
    if (!settings.boxes.empty()) {
        out.WriteUInt32(quint32(settings.boxes.size()));
        for (const QRect& box : settings.boxes) {
            WriteInt(out, box.x());
            WriteInt(out, box.y());
            WriteInt(out, box.width());
            WriteInt(out, box.height());
        }
    }
}

} // namespace

bool ReadMeasurementEntry(EntryReader& in, ReportProject& project)
{
    const auto count = in.ReadUInt32();
    if (!count || *count > quint32(project.InspectionCount())) {
        return false;
    }
    std::set<qint32> seen;
    for (quint32 entry = 0; entry < *count; ++entry) {
        const auto index = ReadInt(in);
        InspectionSelection* selection = index ? project.SelectionAt(*index) : nullptr;
        MeasurementSettings settings;
        if (!selection || !seen.insert(*index).second || !ReadSettings(in, settings)) {
            return false;
        }
        selection->measurement = std::move(settings);
    }
    return true;
}

bool WriteMeasurementEntry(EntryWriter& out, const ReportProject& project)
{
    const auto& selections = project.Selections();
    const auto withSettings = std::count_if(
        selections.begin(), selections.end(), [](const InspectionSelection& s) { return !s.measurement.IsEmpty(); });
    if (withSettings == 0) {
        return false;
    }
    out.WriteUInt32(quint32(withSettings));
    for (int index = 0; index < int(selections.size()); ++index) {
        if (!selections[size_t(index)].measurement.IsEmpty()) {
            WriteInt(out, index);
            WriteSettings(out, selections[size_t(index)].measurement);
        }
    }
    return true;
}
