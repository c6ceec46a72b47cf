#include "DemoProject.h"

#include <QFileInfo>

namespace {

constexpr qint32 Red = 0x0000FF;
constexpr qint32 Yellow = 0x00FFFF;
constexpr qint32 Cyan = 0xFFFF00;

QString PhotoFor(const QDir& examples, const QString& baseName)
{
    for (const char* suffix : {".jpg", ".bmp"}) {
        const QString path = examples.absoluteFilePath(baseName + QLatin1String(suffix));
        if (QFileInfo::exists(path)) {
            return path;
        }
    }
    return {};
}

QString Readable(QString baseName)
{
    baseName.replace(QLatin1Char('-'), QLatin1Char(' '));
    if (!baseName.isEmpty()) {
        baseName[0] = baseName[0].toUpper();
    }
    return baseName;
}

OleDate Day(int year, int month, int day)
{
    return OleDateFromDateTime(QDateTime(QDate(year, month, day), QTime(9, 0)));
}

InspectionDetails DetailsFor(int index, const QString& baseName)
{
    InspectionDetails details;
    details.name = Readable(baseName);
    details.operatorName = QStringLiteral("J. Smith");
    details.location = QStringLiteral("Plant %1, bay %2").arg(1 + index / 4).arg(1 + index % 4);
    details.equipment = Readable(baseName);
    details.comment = QStringLiteral("Surveyed under normal operating load. The hot spot is marked on both "
                                     "pictures; readings were taken at the two cursors shown.");
    details.measuredLoad = QString::number(40 + 7 * index) + QStringLiteral(" A");
    details.ratedLoad = QStringLiteral("100 A");
    details.loadPercent = QString::number(40 + 7 * index);
    details.repairPriority = index % 6;
    details.faultAction = index % 3 == 0 ? QStringLiteral("Loose connection. Clean contact faces and re-torque.")
                                         : QStringLiteral("Monitor at the next survey.");
    details.inspectedDate = Day(2026, 11, 3 + index);
    details.inspectedSet = true;
    details.inspectedInitials = QStringLiteral("JS");
    details.repairedDate = Day(2026, 11, 21 + index % 3);
    details.repairedSet = index % 2 == 0;
    details.repairedInitials = details.repairedSet ? QStringLiteral("MK") : QString();
    details.indoorTemperature = QStringLiteral("21");
    details.outdoorTemperature = QStringLiteral("4");
    details.humidity = QStringLiteral("55");
    details.windSpeed = QStringLiteral("12");
    details.pressureDifference = QStringLiteral("0.5");
    details.materialCondition = index % 3;
    return details;
}

// Two strokes per inspection: one on the thermal picture, one across both halves.
std::vector<PenStroke> StrokesFor(int index)
{
    const qint32 colour = index % 3 == 0 ? Red : index % 3 == 1 ? Yellow : Cyan;
    return {{60, 40 + 10 * (index % 5), 130, 100, 3, colour}, {230, 150, 330, 150, 2, Red}};
}

} // namespace

ReportProject BuildDemoProject(const QDir& examples, ReportTemplate reportTemplate)
{
    ReportProject project = NewReportProject(QDateTime(QDate(2026, 12, 7), QTime(9, 0)));
    project.reportTemplate = reportTemplate;
    project.unit = TemperatureUnit::Celsius;
    project.title.company = QStringLiteral("Northfield Facilities Ltd");
    project.title.author = QStringLiteral("Jane Smith");
    project.title.generalComments =
        QStringLiteral("Annual thermographic survey of the electrical distribution and mechanical plant.\n"
                       "All readings were taken under normal load. Items with priority 4 or 5 need attention "
                       "before the next survey; the others are recorded for trend monitoring.");
    const QStringList snapshots = examples.entryList({QStringLiteral("*.qvx")}, QDir::Files, QDir::Name);
    int index = 0;
    for (const QString& fileName : snapshots) {
        const QString baseName = QFileInfo(fileName).completeBaseName();
        InspectionSelection selection {
            examples.absoluteFilePath(fileName), PhotoFor(examples, baseName), StrokesFor(index)};
        project.AppendInspection(selection, DetailsFor(index, baseName));
        ++index;
    }
    return project;
}
