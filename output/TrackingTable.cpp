#include "TrackingTable.h"

#include "TemperatureText.h"

#include "app/strings/StringIds.h"
#include "app/strings/StringSource.h"
#include "report/ProjectFileIO.h"
#include "report/ReportProject.h"
#include "snapshot/MeasuredSnapshot.h"
#include "snapshot/SnapshotUnit.h"
#include "snapshot/cQVX.h"

#include <QIODevice>

#include <algorithm>

namespace {

QString CsvField(const QString& text)
{
    const bool quoted = std::any_of(
        text.begin(), text.end(), [](QChar c) { return c == u',' || c == u'"' || c == u'\n' || c == u'\r'; });
    if (!quoted) {
        return text;
    }
    QString doubled = text;
    doubled.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + doubled + QLatin1Char('"');
}

void AppendRecord(QByteArray& table, const QStringList& fields)
{
    QStringList encoded;
    for (const QString& field : fields) {
        encoded.append(CsvField(field));
    }
    table += encoded.join(QLatin1Char(',')).toUtf8();
    table += "\r\n";
}

QString IsoDate(bool set, const OleDate& date)
{
    const QDateTime dateTime = set ? DateTimeFromOleDate(date) : QDateTime();
    return dateTime.isValid() ? dateTime.date().toString(Qt::ISODate) : QString();
}

struct Readings
{
    QString first;
    QString second;
    QString difference;
    QString severity;
};

// A cursor choice as the report prints it: never chosen reads as cursor `fallback` when the
// snapshot has it, and a choice beyond the inspection's markers and spots as none.
int PrintedCursor(int choice, int fallback, int cursors)
{
    const int cursor = choice == -1 ? fallback : choice;
    return cursor >= 1 && cursor <= cursors ? cursor : 0;
}

Readings ReadTemperatures(const InspectionSelection& selection,
                          const InspectionDetails& details,
                          const SeverityCriteria& criteria,
                          TemperatureUnit unit)
{
    cQVX snapshot;
    const MeasurementSettings& settings = selection.measurement;
    if (!LoadMeasuredSnapshot(snapshot, selection.snapshotPath, settings)) {
        return {};
    }
    UseTemperatureUnit(snapshot, unit);
    const int cursors = CursorCount(snapshot, settings);
    const int first = PrintedCursor(details.cursorA, 1, cursors);
    const int second = PrintedCursor(details.cursorB, 2, cursors);
    Readings readings;
    if (first >= 1) {
        readings.first = QString::number(double(CursorTemperature(snapshot, settings, first)), 'f', 1);
    }
    if (second >= 1) {
        readings.second = QString::number(double(CursorTemperature(snapshot, settings, second)), 'f', 1);
    }
    if (first >= 1 && second >= 1) {
        const float difference =
            CursorTemperature(snapshot, settings, first) - CursorTemperature(snapshot, settings, second);
        readings.difference = DifferenceDigits(difference);
        if (const SeverityClass* graded = ClassOfDifference(criteria, difference, unit)) {
            readings.severity = graded->name;
        }
    }
    return readings;
}

QStringList HeaderRow(TemperatureUnit unit)
{
    const QString suffix = UnitTextsFor(unit).temperature;
    const auto withUnit = [&suffix](const QString& label) { return QStringLiteral("%1 (%2)").arg(label, suffix); };
    const QString cursor = LoadAppString(StringId::Cursor);
    return {LoadAppString(StringId::TrackingNumber),
            LoadAppString(StringId::InspectionName),
            LoadAppString(StringId::Location),
            LoadAppString(StringId::Equipment),
            LoadAppString(StringId::RepairPriority),
            withUnit(QStringLiteral("%1 1").arg(cursor)),
            withUnit(QStringLiteral("%1 2").arg(cursor)),
            withUnit(LoadAppString(StringId::Difference)),
            LoadAppString(StringId::Severity),
            LoadAppString(StringId::FaultRecommendedAction),
            LoadAppString(StringId::Inspected),
            LoadAppString(StringId::InspectedInitials),
            LoadAppString(StringId::Repaired),
            LoadAppString(StringId::RepairedInitials),
            LoadAppString(StringId::Reinspected),
            LoadAppString(StringId::ReinspectedInitials),
            LoadAppString(StringId::SnapshotFile),
            LoadAppString(StringId::PhotoFile)};
}

} // namespace

QByteArray TrackingTableCsv(const ReportProject& project, TemperatureUnit unit)
{
    QByteArray table;
    AppendRecord(table, HeaderRow(unit));
    const SeverityCriteria criteria = project.Criteria();
    for (int index = 0; index < project.InspectionCount(); ++index) {
        const InspectionSelection& selection = *project.SelectionAt(index);
        const InspectionDetails& details = *project.DetailsAt(index);
        const Readings readings = ReadTemperatures(selection, details, criteria, unit);
        AppendRecord(table,
                     {QString::number(index + 1),
                      details.name,
                      details.location,
                      details.equipment,
                      details.repairPriority >= 1 ? QString::number(details.repairPriority) : QString(),
                      readings.first,
                      readings.second,
                      readings.difference,
                      readings.severity,
                      details.faultAction,
                      IsoDate(details.inspectedSet, details.inspectedDate),
                      details.inspectedInitials,
                      IsoDate(details.repairedSet, details.repairedDate),
                      details.repairedInitials,
                      IsoDate(details.reinspectedSet, details.reinspectedDate),
                      details.reinspectedInitials,
                      selection.snapshotPath,
                      selection.imagePath});
    }
    return table;
}

FileWriteResult SaveTrackingTable(const QString& path, const ReportProject& project, TemperatureUnit unit)
{
    const QByteArray table = TrackingTableCsv(project, unit);
    return SaveWholeFile(path, [&table](QIODevice& file) { return file.write(table) == table.size(); });
}
