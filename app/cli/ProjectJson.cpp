#include "ProjectJson.h"

#include "report/ReportProject.h"

#include <QJsonArray>

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace {

QJsonValue TemplateToJson(std::optional<ReportTemplate> reportTemplate)
{
    if (!reportTemplate) {
        return {};
    }
    return *reportTemplate == ReportTemplate::Buildings ? QStringLiteral("buildings") : QStringLiteral("maintenance");
}

QJsonValue UnitToJson(std::optional<TemperatureUnit> unit)
{
    if (!unit) {
        return {};
    }
    switch (*unit) {
    case TemperatureUnit::Fahrenheit:
        return QStringLiteral("F");
    case TemperatureUnit::Kelvin:
        return QStringLiteral("K");
    case TemperatureUnit::Celsius:
        break;
    }
    return QStringLiteral("C");
}

// The criteria the findings are graded by; kind "none" with no classes when the project states none.
// The open-ended last class has a null bound, JSON having no infinity.
QJsonObject CriteriaToJson(const SeverityCriteria& criteria)
{
    const char* kinds[] = {"none", "similarComponents", "overAmbient", "custom"};
    QJsonArray classes;
    for (const SeverityClass& entry : criteria.classes) {
        classes.append(
            QJsonObject {{"upperBound", std::isinf(entry.upperBound) ? QJsonValue() : QJsonValue(entry.upperBound)},
                         {"name", entry.name},
                         {"action", entry.action},
                         {"priority", qint64(entry.priority)}});
    }
    return {{"kind", QLatin1String(kinds[int(criteria.kind)])}, {"classes", classes}};
}

QJsonObject DateToJson(const OleDate& date)
{
    const QDateTime local = DateTimeFromOleDate(date);
    return {
        {"status", date.status},
        {"value", date.value},
        {"iso", local.isValid() ? QJsonValue(local.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss"))) : QJsonValue()}};
}

QJsonObject TitleToJson(const ReportTitle& title)
{
    return {{"logoPath", title.logoPath},
            {"company", title.company},
            {"author", title.author},
            {"showDate", title.showDate},
            {"date", DateToJson(title.date)},
            {"generalComments", title.generalComments}};
}

// The shortest decimal that reads back as the same single-precision value: 0.95, not 0.949999988.
QJsonValue FloatToJson(float value)
{
    std::array<char, 32> text {};
    const auto written = std::to_chars(text.data(), text.data() + text.size(), value);
    return std::strtod(std::string(text.data(), written.ptr).c_str(), nullptr);
}

QJsonValue OptionalFloatToJson(const std::optional<float>& value)
{
    return value ? FloatToJson(*value) : QJsonValue();
}

QJsonValue PaletteToJson(const std::optional<PaletteKind>& palette)
{
    if (!palette) {
        return {};
    }
    switch (*palette) {
    case PaletteKind::Grey:
        return QStringLiteral("grey");
    case PaletteKind::Rainbow:
        return QStringLiteral("rainbow");
    case PaletteKind::HighContrast:
        return QStringLiteral("highContrast");
    case PaletteKind::Ironbow:
        break;
    }
    return QStringLiteral("ironbow");
}

QJsonObject MeasurementToJson(const MeasurementSettings& settings)
{
    QJsonArray spots;
    for (const QPoint& spot : settings.spots) {
        spots.append(QJsonObject {{"x", spot.x()}, {"y", spot.y()}});
    }
    QJsonArray boxes;
    for (const QRect& box : settings.boxes) {
        boxes.append(QJsonObject {{"x", box.x()}, {"y", box.y()}, {"width", box.width()}, {"height", box.height()}});
    }
    const QJsonValue range = settings.manualRange
        ? QJsonValue(QJsonObject {{"lowKelvin", FloatToJson(settings.manualRange->lowKelvin)},
                                  {"highKelvin", FloatToJson(settings.manualRange->highKelvin)}})
        : QJsonValue();
    return {{"emissivity", OptionalFloatToJson(settings.emissivity)},
            {"reflectedKelvin", OptionalFloatToJson(settings.reflectedKelvin)},
            {"palette", PaletteToJson(settings.palette)},
            {"colourRange", range},
            {"spots", spots},
            {"boxes", boxes}};
}

QJsonObject SelectionToJson(const InspectionSelection& selection)
{
    QJsonArray strokes;
    for (const PenStroke& stroke : selection.strokes) {
        strokes.append(QJsonObject {{"startX", stroke.startX},
                                    {"startY", stroke.startY},
                                    {"endX", stroke.endX},
                                    {"endY", stroke.endY},
                                    {"penSize", stroke.penSize},
                                    {"colour", stroke.colour}});
    }
    return {{"snapshotPath", selection.snapshotPath},
            {"imagePath", selection.imagePath},
            {"strokes", strokes},
            {"measurement", MeasurementToJson(selection.measurement)}};
}

QJsonObject DetailsToJson(const InspectionDetails& details)
{
    return {{"name", details.name},
            {"operator", details.operatorName},
            {"location", details.location},
            {"equipment", details.equipment},
            {"comment", details.comment},
            {"measuredLoad", details.measuredLoad},
            {"ratedLoad", details.ratedLoad},
            {"loadPercent", details.loadPercent},
            {"repairPriority", details.repairPriority},
            {"faultAction", details.faultAction},
            {"inspectedDate", DateToJson(details.inspectedDate)},
            {"repairedDate", DateToJson(details.repairedDate)},
            {"reinspectedDate", DateToJson(details.reinspectedDate)},
            {"inspectedSet", details.inspectedSet},
            {"repairedSet", details.repairedSet},
            {"reinspectedSet", details.reinspectedSet},
            {"inspectedInitials", details.inspectedInitials},
            {"repairedInitials", details.repairedInitials},
            {"reinspectedInitials", details.reinspectedInitials},
            {"cursorA", details.cursorA},
            {"cursorB", details.cursorB},
            {"indoorTemperature", details.indoorTemperature},
            {"outdoorTemperature", details.outdoorTemperature},
            {"humidity", details.humidity},
            {"windSpeed", details.windSpeed},
            {"pressureDifference", details.pressureDifference},
            {"materialCondition", details.materialCondition}};
}

} // namespace

QJsonObject ProjectToJson(const ReportProject& project, double version)
{
    QJsonArray selections;
    for (const InspectionSelection& selection : project.Selections()) {
        selections.append(SelectionToJson(selection));
    }
    QJsonArray details;
    for (const InspectionDetails& record : project.Details().Records()) {
        details.append(DetailsToJson(record));
    }
    return {{"version", version},
            {"template", TemplateToJson(project.reportTemplate)},
            {"unit", UnitToJson(project.unit)},
            {"severityCriteria", CriteriaToJson(project.Criteria())},
            {"title", TitleToJson(project.title)},
            {"selections", selections},
            {"details", details}};
}
