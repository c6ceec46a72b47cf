#include "ProjectFile.h"

#include "ArchiveString.h"
#include "ProjectExtensions.h"

#include <QIODevice>

#include <bit>

namespace {

constexpr float WrittenVersion = 1.2f;
constexpr float BuildingFieldsVersion = 1.1f;
constexpr float MaterialConditionVersion = 1.2f;
constexpr qint64 WriteBlockSize = 4096;

// The fewest bytes an entry can take (narrow empty strings, no strokes): a count larger than
// the remaining bytes allow is refused before anything is allocated for it.
constexpr qint64 SmallestSelection = 1 + 1 + 4;
constexpr qint64 SmallestDetails = 8 + 4 + 1 + 3 * 12 + 3 + 3 + 2 * 4;
constexpr qint64 StrokeSize = 6 * 4;

// Primitive fields of the file, read and written in the same shapes.
class ProjectReader
{
public:
    explicit ProjectReader(QByteArrayView bytes)
        : in(bytes, ByteOrder::Little)
    { }

    bool Read(QString& text)
    {
        auto value = ReadArchiveString(in);
        if (value) {
            text = std::move(*value);
        }
        return value.has_value();
    }

    bool Read(qint32& number)
    {
        const auto value = in.Read<qint32>();
        if (value) {
            number = *value;
        }
        return value.has_value();
    }

    bool Read(bool& flag)
    {
        const auto value = in.Read<quint8>();
        if (value) {
            flag = *value != 0;
        }
        return value.has_value();
    }

    bool Read(float& number)
    {
        const auto value = in.Read<quint32>();
        if (value) {
            number = std::bit_cast<float>(*value);
        }
        return value.has_value();
    }

    bool Read(OleDate& date)
    {
        const auto status = in.Read<qint32>();
        const auto value = status ? in.Read<quint64>() : std::nullopt;
        if (value) {
            date = {std::bit_cast<double>(*value), *status};
        }
        return value.has_value();
    }

    // A count of entries of at least `smallestEntry` bytes each; zero or below means none.
    bool ReadCount(qsizetype& count, qint64 smallestEntry)
    {
        qint32 stored = 0;
        if (!Read(stored)) {
            return false;
        }
        count = stored > 0 ? stored : 0;
        return count <= in.Remaining() / smallestEntry;
    }

    // Everything after the last record.
    QByteArrayView Rest() { return *in.Take(in.Remaining()); }

private:
    ByteCursor in;
};

class ProjectWriter
{
public:
    void Write(const QString& text) { WriteArchiveString(out, text); }
    void Write(qint32 number) { out.Write<qint32>(number); }
    void Write(bool flag) { out.Write<quint8>(flag ? 1 : 0); }
    void Write(float number) { out.Write<quint32>(std::bit_cast<quint32>(number)); }
    void Write(const OleDate& date)
    {
        out.Write<qint32>(date.status);
        out.Write<quint64>(std::bit_cast<quint64>(date.value));
    }
    void WriteCount(size_t count) { out.Write<qint32>(qint32(count)); }
    void Append(QByteArrayView bytes) { out.Append(bytes); }

    const QByteArray& Bytes() const { return out.Bytes(); }

private:
    ByteWriter out {ByteOrder::Little};
};

// Entries are appended as they are read, so memory only grows with bytes that were really there.
template<typename Entry, typename ReadEntry>
bool ReadEntries(ProjectReader& in, std::vector<Entry>& entries, qsizetype count, ReadEntry readEntry)
{
    for (qsizetype index = 0; index < count; ++index) {
        Entry entry;
        if (!readEntry(in, entry)) {
            return false;
        }
        entries.push_back(std::move(entry));
    }
    return true;
}

// Each record's reader and writer side by side, field for field in file order.

bool ReadTitle(ProjectReader& in, ReportTitle& title)
{
    return in.Read(title.logoPath) && in.Read(title.company) && in.Read(title.author) && in.Read(title.showDate) &&
        in.Read(title.date) && in.Read(title.generalComments);
}

void WriteTitle(ProjectWriter& out, const ReportTitle& title)
{
    out.Write(title.logoPath);
    out.Write(title.company);
    out.Write(title.author);
    out.Write(title.showDate);
    out.Write(title.date);
    out.Write(title.generalComments);
}

bool ReadStroke(ProjectReader& in, PenStroke& stroke)
{
    return in.Read(stroke.startX) && in.Read(stroke.startY) && in.Read(stroke.endX) && in.Read(stroke.endY) &&
        in.Read(stroke.penSize) && in.Read(stroke.colour);
}

void WriteStroke(ProjectWriter& out, const PenStroke& stroke)
{
    out.Write(stroke.startX);
    out.Write(stroke.startY);
    out.Write(stroke.endX);
    out.Write(stroke.endY);
    out.Write(stroke.penSize);
    out.Write(stroke.colour);
}

bool ReadSelection(ProjectReader& in, InspectionSelection& selection)
{
    qsizetype strokeCount = 0;
    if (!in.Read(selection.snapshotPath) || !in.Read(selection.imagePath) || !in.ReadCount(strokeCount, StrokeSize)) {
        return false;
    }
    return ReadEntries(in, selection.strokes, strokeCount, ReadStroke);
}

void WriteSelection(ProjectWriter& out, const InspectionSelection& selection)
{
    out.Write(selection.snapshotPath);
    out.Write(selection.imagePath);
    out.WriteCount(selection.strokes.size());
    for (const PenStroke& stroke : selection.strokes) {
        WriteStroke(out, stroke);
    }
}

bool ReadDetails(ProjectReader& in, InspectionDetails& details, float version)
{
    const bool common = in.Read(details.name) && in.Read(details.operatorName) && in.Read(details.location) &&
        in.Read(details.equipment) && in.Read(details.comment) && in.Read(details.measuredLoad) &&
        in.Read(details.ratedLoad) && in.Read(details.loadPercent) && in.Read(details.repairPriority) &&
        in.Read(details.faultAction) && in.Read(details.inspectedDate) && in.Read(details.repairedDate) &&
        in.Read(details.reinspectedDate) && in.Read(details.inspectedSet) && in.Read(details.repairedSet) &&
        in.Read(details.reinspectedSet) && in.Read(details.inspectedInitials) && in.Read(details.repairedInitials) &&
        in.Read(details.reinspectedInitials) && in.Read(details.cursorA) && in.Read(details.cursorB);
    if (!common) {
        return false;
    }
    // Only ">=" is asked, so a version that is not a number reads as the oldest layout.
    const bool buildingFields = version >= BuildingFieldsVersion;
    const bool materialCondition = version >= MaterialConditionVersion;
    if (buildingFields &&
        !(in.Read(details.indoorTemperature) && in.Read(details.outdoorTemperature) && in.Read(details.humidity) &&
          in.Read(details.windSpeed) && in.Read(details.pressureDifference))) {
        return false;
    }
    return !materialCondition || in.Read(details.materialCondition);
}

void WriteDetails(ProjectWriter& out, const InspectionDetails& details)
{
    out.Write(details.name);
    out.Write(details.operatorName);
    out.Write(details.location);
    out.Write(details.equipment);
    out.Write(details.comment);
    out.Write(details.measuredLoad);
    out.Write(details.ratedLoad);
    out.Write(details.loadPercent);
    out.Write(details.repairPriority);
    out.Write(details.faultAction);
    out.Write(details.inspectedDate);
    out.Write(details.repairedDate);
    out.Write(details.reinspectedDate);
    out.Write(details.inspectedSet);
    out.Write(details.repairedSet);
    out.Write(details.reinspectedSet);
    out.Write(details.inspectedInitials);
    out.Write(details.repairedInitials);
    out.Write(details.reinspectedInitials);
    out.Write(details.cursorA);
    out.Write(details.cursorB);
    out.Write(details.indoorTemperature);
    out.Write(details.outdoorTemperature);
    out.Write(details.humidity);
    out.Write(details.windSpeed);
    out.Write(details.pressureDifference);
    out.Write(details.materialCondition);
}

template<typename Entry, typename ReadEntry>
bool ReadList(ProjectReader& in, std::vector<Entry>& entries, qint64 smallestEntry, ReadEntry readEntry)
{
    qsizetype count = 0;
    return in.ReadCount(count, smallestEntry) && ReadEntries(in, entries, count, readEntry);
}

ProjectReadResult Failure(ProjectReadError error)
{
    return ProjectReadResult::Failure(error);
}

} // namespace

ProjectReadResult SerializeProject(QByteArrayView bytes)
{
    ProjectReader in(bytes);
    float version = 0.0f;
    ReportTitle title;
    std::vector<InspectionSelection> selections;
    std::vector<InspectionDetails> details;
    const bool read = in.Read(version) && ReadTitle(in, title) &&
        ReadList(in, selections, SmallestSelection, ReadSelection) &&
        ReadList(in, details, SmallestDetails, [version](ProjectReader& reader, InspectionDetails& entry) {
                          return ReadDetails(reader, entry, version);
                      });
    if (!read) {
        return Failure(ProjectReadError::Malformed);
    }
    auto project = ReportProject::FromLists(std::move(title), std::move(selections), std::move(details));
    if (!project) {
        return Failure(ProjectReadError::CountMismatch);
    }
    if (!ReadProjectExtensions(in.Rest(), *project)) {
        return Failure(ProjectReadError::Malformed);
    }
    return std::move(*project);
}

QByteArray SerializeProject(const ReportProject& project)
{
    ProjectWriter out;
    out.Write(WrittenVersion);
    WriteTitle(out, project.title);
    out.WriteCount(project.Selections().size());
    for (const InspectionSelection& selection : project.Selections()) {
        WriteSelection(out, selection);
    }
    out.WriteCount(project.Details().Records().size());
    for (const InspectionDetails& details : project.Details().Records()) {
        WriteDetails(out, details);
    }
    out.Append(WriteProjectExtensions(project));
    return out.Bytes();
}

bool SerializeProject(const ReportProject& project, QIODevice& target)
{
    const QByteArray bytes = SerializeProject(project);
    for (qint64 offset = 0; offset < bytes.size(); offset += WriteBlockSize) {
        const qint64 length = std::min(WriteBlockSize, bytes.size() - offset);
        if (target.write(bytes.constData() + offset, length) != length) {
            return false;
        }
    }
    return true;
}
