#include "DemoProject.h"

#include "snapshot/cQVX.h"

#include <QFileInfo>

#include <cmath>

namespace {

constexpr qint32 Red = 0x0000FF;
constexpr qint32 Yellow = 0x00FFFF;
constexpr qint32 Cyan = 0xFFFF00;

// What the inspector wrote about one scene.
struct SceneNotes
{
    const char* baseName;
    const char* name;
    const char* location;
    const char* equipment;
    const char* comment;
    const char* faultAction;
    const char* measuredLoad;
    const char* ratedLoad;
    bool reference; // the survey's reference measurement: no repair priority
};

constexpr SceneNotes PlantScenes[] = {
    {"panel-breaker",
     "Outgoing breaker Q3",
     "Switch room, main distribution board MDB-1",
     "Moulded-case breaker Q3, 250 A",
     "The load terminal of Q3 runs well above the neighbouring poles at a comparable current.",
     "Overheated breaker terminal. Check the terminal torque and the conductor end; replace the breaker if "
     "the contact face is damaged.",
     "180 A",
     "250 A",
     false},
    {"connector-lug",
     "Busbar connection, phase L2",
     "Switch room, transformer incomer",
     "Cable lug on busbar L2",
     "The cable lug on L2 is far hotter than L1 and L3 carrying the same current.",
     "Loose cable lug bolt. Isolate, clean the contact faces and re-torque to the maker's value. Repair "
     "immediately.",
     "400 A",
     "630 A",
     false},
    {"fuse-holder",
     "Fuse holder F3",
     "Plant room 2, control panel CP-4",
     "Fuse carrier F3, 32 A",
     "The contact at the top of fuse carrier F3 is warmer than the other carriers of the row.",
     "Worn fuse contact. Replace the fuse carrier and check that the fuse rating suits the circuit.",
     "24 A",
     "32 A",
     false},
    {"motor-bearing",
     "Conveyor drive motor M2",
     "Packing hall, conveyor line 2",
     "Induction motor M2, 15 kW",
     "The drive-end bearing housing is clearly warmer than the non-drive end and the frame.",
     "Bearing wear or poor lubrication. Check the grease and the vibration level; plan a bearing change.",
     "26 A",
     "29 A",
     false},
    {"pump-coupling",
     "Cooling water pump P1",
     "Pump house, cooling circuit",
     "Centrifugal pump P1 and coupling",
     "The pump bearing and the coupling guard are warm; the motor frame is at a normal temperature.",
     "Check the coupling alignment at the next planned stop.",
     "18 A",
     "22 A",
     false},
    {"steam-valve",
     "Steam isolation valve V7",
     "Boiler house, steam header",
     "Gate valve V7, DN80",
     "Heat escapes at the gland packing; the pipe insulation ends short of the valve body.",
     "Gland leak. Re-pack the gland and fit a removable insulation jacket to the valve body.",
     "",
     "",
     false},
    {"uniform-plate",
     "Reference plate",
     "Switch room, entrance",
     "Emissivity reference plate",
     "Plate of known emissivity at room temperature, taken as the reference of this survey.",
     "None: reference measurement.",
     "",
     "",
     true},
};

constexpr SceneNotes BuildingScenes[] = {
    {"wall-thermal-bridge",
     "North bedroom, external corner",
     "First floor, north bedroom",
     "External wall and floor slab junction",
     "A cold stripe runs along the corner where the external wall meets the floor slab.",
     "Thermal bridge at the slab edge. Insulate the slab edge; watch the corner for condensation and mould.",
     "",
     "",
     false},
    {"window-facade",
     "South facade, window W4",
     "Ground floor, living room, from outside",
     "Timber window W4",
     "Heat escapes at the lower frame joint of W4; the glazing itself is even.",
     "Air leak at the window frame joint. Reseal the frame to the reveal and renew the gasket.",
     "",
     "",
     false},
    {"uniform-plate",
     "Reference plate",
     "Entrance hall",
     "Emissivity reference plate",
     "Plate of known emissivity at room temperature, taken as the reference of this survey.",
     "None: reference measurement.",
     "",
     "",
     true},
};

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

OleDate Day(int year, int month, int day)
{
    return OleDateFromDateTime(QDateTime(QDate(year, month, day), QTime(9, 0)));
}

// The temperature rise between the snapshot's first two markers, in kelvin; nothing without them.
std::optional<float> MarkerRise(const QString& snapshotPath)
{
    cQVX snapshot;
    if (!snapshot.Load(snapshotPath) || !snapshot.valid || snapshot.markerCount < 2 || !snapshot.LoadPixels(160, 120)) {
        return std::nullopt;
    }
    snapshot.unitCode = snapshot.celsiusCode;
    return std::fabs(snapshot.MarkerDifference(0, 1));
}

InspectionDetails DetailsFor(int index, const SceneNotes& notes, const QString& snapshotPath)
{
    InspectionDetails details;
    details.name = QString::fromUtf8(notes.name);
    details.operatorName = QStringLiteral("J. Smith");
    details.location = QString::fromUtf8(notes.location);
    details.equipment = QString::fromUtf8(notes.equipment);
    details.comment = QString::fromUtf8(notes.comment);
    details.faultAction = QString::fromUtf8(notes.faultAction);
    details.measuredLoad = QString::fromUtf8(notes.measuredLoad);
    details.ratedLoad = QString::fromUtf8(notes.ratedLoad);
    const double measured = details.measuredLoad.section(u' ', 0, 0).toDouble();
    const double rated = details.ratedLoad.section(u' ', 0, 0).toDouble();
    details.loadPercent = rated > 0 ? QString::number(qRound(100 * measured / rated)) : QString();
    const std::optional<float> rise = MarkerRise(snapshotPath);
    details.repairPriority = notes.reference || !rise ? 0 : DemoPriorityFor(*rise);
    details.inspectedDate = Day(2026, 11, 3 + index);
    details.inspectedSet = true;
    details.inspectedInitials = QStringLiteral("JS");
    // The most urgent findings were repaired within the month.
    details.repairedSet = details.repairPriority >= 4;
    details.repairedDate = Day(2026, 11, 21 + index % 3);
    details.repairedInitials = details.repairedSet ? QStringLiteral("MK") : QString();
    details.indoorTemperature = QStringLiteral("21");
    details.outdoorTemperature = QStringLiteral("4");
    details.humidity = QStringLiteral("55");
    details.windSpeed = QStringLiteral("12");
    details.pressureDifference = QStringLiteral("0.5");
    details.materialCondition = notes.reference ? 1 : 2;
    return details;
}

// Two strokes per inspection: one pointing at the finding on the thermal picture, one across both halves.
std::vector<PenStroke> StrokesFor(int index, bool reference)
{
    if (reference) {
        return {};
    }
    const qint32 colour = index % 3 == 0 ? Red : index % 3 == 1 ? Yellow : Cyan;
    return {{60, 40 + 10 * (index % 5), 130, 100, 3, colour}, {230, 150, 330, 150, 2, Red}};
}

template<size_t Count>
ReportProject BuildSurvey(const QDir& examples,
                          ReportTemplate reportTemplate,
                          const SceneNotes (&scenes)[Count],
                          const QString& comments)
{
    ReportProject project = NewReportProject(QDateTime(QDate(2026, 12, 7), QTime(9, 0)));
    // Whoever opens it sees it as it was made, whatever their settings: typed temperatures are in
    // Celsius and wind speeds in km/h.
    project.reportTemplate = reportTemplate;
    project.unit = TemperatureUnit::Celsius;
    project.title.logoPath = examples.absoluteFilePath(QStringLiteral("logo/company-logo.jpg"));
    project.title.company = QStringLiteral("Northfield Facilities Ltd");
    project.title.author = QStringLiteral("Jane Smith");
    project.title.generalComments = comments;
    int index = 0;
    for (const SceneNotes& notes : scenes) {
        const QString snapshotPath = examples.absoluteFilePath(QLatin1String(notes.baseName) + QStringLiteral(".qvx"));
        if (!QFileInfo::exists(snapshotPath)) {
            continue;
        }
        const InspectionSelection selection {
            snapshotPath, PhotoFor(examples, QLatin1String(notes.baseName)), StrokesFor(index, notes.reference)};
        project.AppendInspection(selection, DetailsFor(index, notes, snapshotPath));
        ++index;
    }
    return project;
}

} // namespace

int DemoPriorityFor(float rise)
{
    // Whole kelvin steps, as the inspection tables grade a rise.
    if (rise < 1.0f) {
        return 0;
    }
    if (rise < 4.0f) {
        return 1;
    }
    if (rise < 10.0f) {
        return 2;
    }
    if (rise < 20.0f) {
        return 3;
    }
    return rise < 40.0f ? 4 : 5;
}

ReportProject BuildDemoProject(const QDir& examples)
{
    return BuildSurvey(
        examples,
        ReportTemplate::Maintenance,
        PlantScenes,
        QStringLiteral("Annual thermographic survey of the electrical distribution and mechanical plant.\n"
                       "All readings were taken under normal load. Items with priority 4 or 5 need attention "
                       "before the next survey; the others are recorded for trend monitoring."));
}

ReportProject BuildBuildingsDemoProject(const QDir& examples)
{
    return BuildSurvey(examples,
                       ReportTemplate::Buildings,
                       BuildingScenes,
                       QStringLiteral("Thermographic survey of the building envelope, taken on a cold, overcast "
                                      "morning with the heating on for twelve hours before.\nThe findings show "
                                      "where heat escapes and where surfaces are cold enough for condensation."));
}
