#include "ImageStrip.h"
#include "PageGeometry.h"
#include "ReportBoxes.h"
#include "ReportDate.h"
#include "ReportFonts.h"
#include "ReportLayout.h"
#include "ScaleDrawing.h"
#include "SeverityLines.h"
#include "TemperatureScale.h"
#include "TemperatureText.h"

#include "TextPlacement.h"
#include "VisualImageQueue.h"
#include "snapshot/SnapshotUnit.h"

#include "app/strings/StringIds.h"
#include "app/strings/StringSource.h"
#include "report/ReportProject.h"
#include "snapshot/ColourValue.h"
#include "snapshot/MeasuredSnapshot.h"
#include "snapshot/SnapshotPicture.h"
#include "snapshot/cQVX.h"

#include <QPainter>

#include <memory>

using PageGeometry::Edges;

namespace {

// The temperature scale in the margin between the page's left edge of content and the picture.
constexpr int ScaleBarWidth = 30;
constexpr int ScaleGap = 10;
constexpr int ScaleTickLength = 14;
constexpr int ScaleLabelGap = 6;
constexpr int ScaleLineWidth = 3;
constexpr int ScaleFontHeight = 40;

// The box table starts a row below the severity line of the temperature measurements.
constexpr int BoxTableTop = 2420;

} // namespace

// Draws one inspection page; the sections follow the page from top to bottom.
class InspectionPagePainter
{
public:
    InspectionPagePainter(ReportLayout& layout, QPainter& painter, int inspection)
        : layout(layout)
        , painter(painter)
        , inspection(inspection)
        , selection(layout.project.SelectionAt(inspection) ? *layout.project.SelectionAt(inspection)
                                                           : InspectionSelection {})
        , details(layout.project.DetailsAt(inspection) ? *layout.project.DetailsAt(inspection) : InspectionDetails {})
        , units(UnitTextsFor(layout.options.unit))
    { }

    void Draw()
    {
        LoadSnapshot();
        layout.StartPage(painter);
        layout.DrawPageTitle(painter, InspectionHeading(inspection, details.name));
        DrawPriority();
        DrawPeopleAndPlace();
        DrawSnapshotTimes();
        DrawPlacedText(painter,
                       PageGeometry::Inner(Edges(100, 680, 2380, 750)),
                       LoadAppString(StringId::Comment),
                       Placement::Left);
        DrawBoxedText(painter, ReportBoxes::Comment, details.comment, Placement::Wrapped);
        DrawPlacedText(painter,
                       PageGeometry::Inner(Edges(326, 1130, 1239, 1200)),
                       LoadAppString(StringId::ThermalSnapshot),
                       Placement::Left);
        DrawPlacedText(painter,
                       PageGeometry::Inner(Edges(1239, 1130, 2380, 1200)),
                       LoadAppString(StringId::VisualImage),
                       Placement::Left);
        ImageStrip::Draw(painter,
                         snapshot.get(),
                         thermal,
                         CursorOrNone(details.cursorA),
                         CursorOrNone(details.cursorB),
                         selection,
                         layout.visualImages->Take(inspection),
                         LoadAppString(StringId::CouldNotOpenQvx));
        DrawTemperatureScale();
        DrawTemperatures();
        DrawBoxTable();
        DrawParameters();
        DrawRepairActions();
        DrawPlacedText(painter,
                       PageGeometry::Inner(Edges(100, 2980, 1200, 3050)),
                       LoadAppString(StringId::FaultRecommendedAction),
                       Placement::Left);
        DrawBoxedText(painter, ReportBoxes::FaultAction, details.faultAction, Placement::Wrapped);
        layout.DrawFooter(painter);
    }

private:
    bool Buildings() const { return layout.Buildings(); }

    void LoadSnapshot()
    {
        auto loaded = std::make_unique<cQVX>();
        if (!LoadMeasuredSnapshot(*loaded, selection.snapshotPath, selection.measurement)) {
            return;
        }
        UseTemperatureUnit(*loaded, layout.options.unit);
        // A manual range is the thermographer's own choice for this picture and outranks the
        // report's common scale.
        const bool shared = layout.commonSpan && HasTemperatures(*loaded) && !selection.measurement.manualRange;
        scale = shared ? SharedTemperatureScale(*loaded, *layout.commonSpan)
                       : MeasuredTemperatureScale(*loaded, selection.measurement);
        thermal = RenderPictureInRange(*loaded, scale.rawLow, scale.rawHigh);
        if (thermal.isNull()) {
            return;
        }
        snapshot = std::move(loaded);
    }

    // In the margin left of the thermal picture, as tall as the picture.
    void DrawTemperatureScale()
    {
        if (!snapshot) {
            return;
        }
        const QRect picture = ImageStrip::OnPage(ImageStrip::ThermalHalf);
        const ScaleGeometry geometry {
            QRect(picture.left() - ScaleGap - ScaleBarWidth, picture.top(), ScaleBarWidth, picture.height()),
            ScaleTickLength,
            ScaleLabelGap,
            PageGeometry::ContentLeft,
            ScaleLineWidth};
        painter.save();
        painter.setPen(Qt::black);
        QFont font = MakeReportFont(ScaleFontHeight, QFont::Normal);
        const double spacing = LabelSpacing(font, geometry, painter.device());
        const std::vector<ScaleMark> marks = ScaleMarks(*snapshot, scale, units.temperature, spacing);
        painter.setFont(FittedLabelFont(font, marks, geometry, painter.device()));
        ::DrawTemperatureScale(painter, geometry, PaletteBar(PaletteKindFor(*snapshot)), marks);
        painter.restore();
    }

    // A cursor choice names one of the snapshot's markers or the inspection's spots, or none (0);
    // a choice beyond them counts as none rather than printing an empty marker slot.
    int CursorOrNone(int cursor) const
    {
        if (!snapshot || cursor < 1 || cursor > CursorCount(*snapshot, selection.measurement)) {
            return 0;
        }
        return cursor;
    }

    void DrawPriority()
    {
        const QString caption = QStringLiteral("%1\n%2").arg(LoadAppString(StringId::RepairPriority),
                                                             LoadAppString(StringId::PriorityScale));
        DrawPlacedText(painter, PageGeometry::Inner(Edges(1840, 100, 2380, 300)), caption, Placement::LeftBottom);
        const QRect box = Edges(2180, 100, 2380, 250);
        DrawBox(painter, box);
        if (details.repairPriority >= 1) {
            DrawPlacedText(painter, box, QStringLiteral("\n%1").arg(details.repairPriority), Placement::Centre);
        }
    }

    void LabelledRow(int left, int middle, int right, int top, int bottom, const QString& label, const QString& value)
    {
        DrawBoxedText(painter, Edges(left, top, middle, bottom), label, Placement::Left);
        DrawBoxedText(painter, Edges(middle, top, right, bottom), value, Placement::Left);
    }

    void
    LabelledRow(const ReportBoxes::LabelledBox& row, const QString& label, const QString& value, Placement placement)
    {
        DrawBoxedText(painter, row.label, label, Placement::Left);
        DrawBoxedText(painter, row.value, value, placement);
    }

    void DrawPeopleAndPlace()
    {
        const ReportTemplate reportTemplate = layout.options.reportTemplate;
        const unsigned operatorLabel = Buildings() ? StringId::Inspector : StringId::Operator;
        LabelledRow(ReportBoxes::OperatorRow(reportTemplate),
                    LoadAppString(operatorLabel),
                    details.operatorName,
                    Placement::Left);
        LabelledRow(ReportBoxes::LocationRow(reportTemplate),
                    LoadAppString(StringId::Location),
                    details.location,
                    Placement::Left);
        if (!Buildings()) {
            LabelledRow(
                ReportBoxes::EquipmentRow, LoadAppString(StringId::Equipment), details.equipment, Placement::Wrapped);
        }
    }

    void DrawSnapshotTimes()
    {
        DrawPlacedText(painter,
                       PageGeometry::Inner(Edges(1300, 300, 2380, 370)),
                       LoadAppString(StringId::Snapshot),
                       Placement::Left);
        const int timeBottom = Buildings() ? 510 : 580;
        LabelledRow(1300,
                    1840,
                    2380,
                    370,
                    440,
                    LoadAppString(StringId::Date),
                    snapshot ? snapshot->CaptureDateText() : QString());
        LabelledRow(1300,
                    1840,
                    2380,
                    440,
                    timeBottom,
                    LoadAppString(StringId::Time),
                    snapshot ? snapshot->CaptureTimeText() : QString());
    }

    void CursorRow(int top, int cursor)
    {
        const QRect label = Edges(100, top, 430, top + 70);
        const QRect value = Edges(430, top, 970, top + 70);
        DrawBox(painter, label);
        DrawBox(painter, value);
        if (cursor < 1) {
            return;
        }
        painter.save();
        painter.setPen(QColorFromColourValue(MarkerColours(cursor - 1).line));
        DrawPlacedText(painter,
                       PageGeometry::Inner(label),
                       QStringLiteral("%1 %2").arg(LoadAppString(StringId::Cursor)).arg(cursor),
                       Placement::Left);
        painter.restore();
        DrawPlacedText(painter,
                       PageGeometry::Inner(value),
                       TenthsWithUnit(CursorTemperature(*snapshot, selection.measurement, cursor), units.temperature),
                       Placement::Left);
    }

    void DrawTemperatures()
    {
        DrawPlacedText(painter,
                       PageGeometry::Inner(Edges(100, 2000, 1200, 2070)),
                       LoadAppString(StringId::TemperatureMeasurements),
                       Placement::Left);
        const int cursorA = CursorOrNone(details.cursorA);
        const int cursorB = CursorOrNone(details.cursorB);
        CursorRow(2070, cursorA);
        if (cursorB >= 1) {
            CursorRow(2140, cursorB);
        }
        if (cursorA >= 1 && cursorB >= 1) {
            const float difference = CursorTemperature(*snapshot, selection.measurement, cursorA) -
                CursorTemperature(*snapshot, selection.measurement, cursorB);
            LabelledRow(100,
                        430,
                        970,
                        2210,
                        2280,
                        LoadAppString(StringId::Difference),
                        DifferenceWithUnit(difference, units.temperature));
            DrawSeverityRow(painter, 2280, layout.project.Criteria(), difference, layout.options.unit);
        }
    }

    // Below the temperature measurements and above the fault text, which leaves room for the
    // five boxes an inspection may have.
    void DrawBoxTable()
    {
        const std::vector<QRect>& boxes = selection.measurement.boxes;
        if (!snapshot || boxes.empty()) {
            return;
        }
        DrawPlacedText(painter,
                       PageGeometry::Inner(Edges(100, BoxTableTop, 1200, BoxTableTop + 70)),
                       LoadAppString(StringId::BoxTable),
                       Placement::Left);
        int top = BoxTableTop + 70;
        LabelledRow(100, 430, 970, top, top + 70, QString(), LoadAppString(StringId::BoxStatisticsHeading));
        for (std::size_t index = 0; index < boxes.size(); ++index) {
            top += 70;
            const auto statistics = MeasureBox(*snapshot, boxes[index]);
            const QRect label = Edges(100, top, 430, top + 70);
            DrawBox(painter, label);
            DrawBoxedText(painter, Edges(430, top, 970, top + 70), BoxStatisticsText(statistics), Placement::Left);
            painter.save();
            painter.setPen(QColorFromColourValue(BoxColours(int(index)).line));
            DrawPlacedText(painter,
                           PageGeometry::Inner(label),
                           QStringLiteral("%1 %2").arg(LoadAppString(StringId::BoxTable)).arg(index + 1),
                           Placement::Left);
            painter.restore();
        }
    }

    QString BoxStatisticsText(const std::optional<BoxStatistics>& statistics) const
    {
        if (!statistics) {
            return {};
        }
        return QStringLiteral("%1 / %2 / %3")
            .arg(QString::number(double(statistics->maximum), 'f', 1),
                 QString::number(double(statistics->minimum), 'f', 1),
                 TenthsWithUnit(statistics->average, units.temperature));
    }

    QString MaterialConditionText() const
    {
        switch (details.materialCondition) {
        case 1:
            return LoadAppString(StringId::Good);
        case 2:
            return LoadAppString(StringId::Poor);
        default:
            return LoadAppString(StringId::NoComment);
        }
    }

    void DrawParameters()
    {
        DrawPlacedText(painter,
                       PageGeometry::Inner(Edges(1300, 2000, 2380, 2070)),
                       LoadAppString(StringId::MeasurementParameters),
                       Placement::Left);
        const bool buildings = Buildings();
        const QString emissivity = snapshot ? QString::number(snapshot->emissivity / 100.0, 'f', 2) : QString();
        const QString reflected = snapshot
            ? TenthsWithUnit(ReflectedTemperature(snapshot->reflectedTemp, layout.options.unit), units.temperature)
            : QString();
        std::vector<std::pair<QString, QString>> rows = {
            {LoadAppString(StringId::Emissivity), emissivity},
            {LoadAppString(StringId::ReflectedTemp), reflected},
            {LoadAppString(buildings ? StringId::Material : StringId::MeasuredLoad), details.measuredLoad},
            {LoadAppString(buildings ? StringId::MaterialValue : StringId::RatedLoad), details.ratedLoad},
        };
        if (buildings) {
            rows.insert(
                rows.end(),
                {{LoadAppString(StringId::MaterialCondition), MaterialConditionText()},
                 {LoadAppString(StringId::IndoorTemperature), details.indoorTemperature + units.typedTemperature},
                 {LoadAppString(StringId::OutdoorTemperature), details.outdoorTemperature + units.typedTemperature},
                 {LoadAppString(StringId::RelativeHumidity), details.humidity + QStringLiteral(" %")},
                 {LoadAppString(StringId::WindSpeed), details.windSpeed + units.windSpeed},
                 {LoadAppString(StringId::PressureDifference), details.pressureDifference + QStringLiteral(" bar")}});
        } else {
            rows.push_back({LoadAppString(StringId::LoadPercent), details.loadPercent});
        }
        int top = 2070;
        for (const auto& [label, value] : rows) {
            LabelledRow(1300, 1840, 2380, top, top + 70, label, value);
            top += 70;
        }
    }

    void RepairRow(int top, const QString& action, bool set, const OleDate& date, const QString& initials)
    {
        DrawBoxedText(painter, Edges(1300, top, 1660, top + 70), action, Placement::Left);
        DrawBoxedText(painter,
                      Edges(1660, top, 2020, top + 70),
                      set ? FormatReportDate(date, DateForm::Short) : QString(),
                      Placement::Left);
        DrawBoxedText(painter, Edges(2020, top, 2380, top + 70), initials, Placement::Left);
    }

    void DrawRepairActions()
    {
        const int top = Buildings() ? 2980 : 2520;
        DrawPlacedText(painter,
                       PageGeometry::Inner(Edges(1300, top, 2380, top + 70)),
                       LoadAppString(StringId::RepairAction),
                       Placement::Left);
        DrawBoxedText(
            painter, Edges(1300, top + 70, 1660, top + 140), LoadAppString(StringId::Action), Placement::Left);
        DrawBoxedText(painter, Edges(1660, top + 70, 2020, top + 140), LoadAppString(StringId::Date), Placement::Left);
        DrawBoxedText(
            painter, Edges(2020, top + 70, 2380, top + 140), LoadAppString(StringId::Initials), Placement::Left);
        RepairRow(top + 140,
                  LoadAppString(StringId::Inspected),
                  details.inspectedSet,
                  details.inspectedDate,
                  details.inspectedInitials);
        RepairRow(top + 210,
                  LoadAppString(StringId::Repaired),
                  details.repairedSet,
                  details.repairedDate,
                  details.repairedInitials);
        RepairRow(top + 280,
                  LoadAppString(StringId::Reinspected),
                  details.reinspectedSet,
                  details.reinspectedDate,
                  details.reinspectedInitials);
    }

    ReportLayout& layout;
    QPainter& painter;
    int inspection;
    InspectionSelection selection;
    InspectionDetails details;
    UnitTexts units;
    std::unique_ptr<cQVX> snapshot;
    TemperatureScale scale;
    QImage thermal;
};

void ReportLayout::DrawInspectionPage(QPainter& painter, int inspection)
{
    InspectionPagePainter(*this, painter, inspection).Draw();
}
