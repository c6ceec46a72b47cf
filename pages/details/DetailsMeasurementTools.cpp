#include "pages/details/DetailsDlg.h"

#include "app/gui/CQvxReportWriterDoc.h"
#include "app/gui/MessageBox.h"
#include "app/strings/StringIds.h"
#include "app/strings/StringSource.h"
#include "output/PrintfText.h"
#include "output/TemperatureScale.h"
#include "pages/details/ImageArea.h"
#include "pages/details/MeasureToolBar.h"
#include "pages/details/MeasurementText.h"
#include "pages/details/TemperatureScaleView.h"
#include "report/ReportProject.h"
#include "snapshot/MeasuredSnapshot.h"
#include "snapshot/SnapshotUnit.h"
#include "snapshot/cQVX.h"

#include <QComboBox>
#include <QLabel>
#include <QMouseEvent>

namespace {

QString Number(float temperature)
{
    return QString::asprintf("%.1f", double(temperature));
}

} // namespace

void DetailsDlg::BuildMeasurementTools()
{
    measureToolBar = new MeasureToolBar(this);
    measurementControls = new MeasurementControls(this);
    boxStatistics = new QLabel(this);
    boxStatistics->setObjectName(QStringLiteral("boxStatistics"));
    boxStatistics->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    boxStatistics->setTextInteractionFlags(Qt::TextSelectableByMouse);
    connect(measurementControls,
            &MeasurementControls::SettingsEdited,
            this,
            [this](const MeasurementSettings& settings, MeasurementField field) { EditMeasurement(settings, field); });
    connect(measureToolBar, &MeasureToolBar::ToolChosen, this, &DetailsDlg::OnToolChosen);
}

int DetailsDlg::CameraMarkerCount() const
{
    return snapshot ? CursorCount(*snapshot, {}) : 0;
}

const MeasurementSettings& DetailsDlg::ShownMeasurement() const
{
    static const MeasurementSettings none;
    const InspectionSelection* selection = Project().SelectionAt(Project().CurrentPosition() - 1);
    return selection ? selection->measurement : none;
}

void DetailsDlg::CorrectShownSnapshot()
{
    // The settings replace the camera's values only where they are present, so the camera's go
    // back first.
    snapshot->emissivity = cameraHeader.emissivity;
    snapshot->reflectedTemp = cameraHeader.reflectedTemp;
    snapshot->paletteCode = cameraHeader.paletteCode;
    ApplyCorrection(*snapshot, ShownMeasurement());
}

void DetailsDlg::RenderShownSnapshot()
{
    snapshotPicture = RenderMeasuredPicture(*snapshot, ShownMeasurement());
    imageArea->SetPictures(snapshotPicture, visualImage);
}

void DetailsDlg::EditMeasurement(const MeasurementSettings& settings,
                                 std::optional<MeasurementField> field,
                                 int removedSpot)
{
    InspectionSelection* selection = Project().SelectionAt(Project().CurrentPosition() - 1);
    if (!selection || settings == selection->measurement) {
        return;
    }
    const bool sameField = field && field == lastMeasurementField && !editHistory.empty();
    if (!sameField) {
        editHistory.push_back({selection->strokes, selection->measurement});
    }
    lastMeasurementField = field;
    selection->measurement = settings;
    document->SetModified();
    ShowEditedMeasurement(removedSpot);
}

void DetailsDlg::ShowEditedMeasurement(int removedSpot)
{
    if (!snapshot || !ShownRecord()) {
        ShowMeasureMarks(ShownMeasurement());
        return;
    }
    CorrectShownSnapshot();
    RenderShownSnapshot();
    RefillCursorLists(removedSpot);
    ShowMeasurements();
}

void DetailsDlg::RefillCursorLists(int removedSpot)
{
    InspectionDetails choice;
    choice.cursorA = cursorListA->currentIndex();
    choice.cursorB = cursorListB->currentIndex();
    if (removedSpot >= 0) {
        choice.cursorA = CursorAfterSpotRemoved(choice.cursorA, CameraMarkerCount(), removedSpot);
        choice.cursorB = CursorAfterSpotRemoved(choice.cursorB, CameraMarkerCount(), removedSpot);
    }
    // Lists without a choice (nothing shown yet) take none rather than the first cursors.
    choice.cursorA = std::max(choice.cursorA, 0);
    choice.cursorB = std::max(choice.cursorB, 0);
    FillCursorLists(choice);
}

void DetailsDlg::ShowMeasurementSettings()
{
    const MeasurementSettings& settings = ShownMeasurement();
    const TemperatureUnit unit = Unit();
    CameraMeasurement camera;
    camera.emissivityPercent = cameraHeader.emissivity;
    camera.reflectedKelvin = cameraHeader.reflectedTemp / 100.0 + 273.15;
    const quint8 paletteCode = snapshot->paletteCode;
    snapshot->paletteCode = cameraHeader.paletteCode;
    camera.palette = PaletteKindFor(*snapshot);
    snapshot->paletteCode = paletteCode;
    // The automatic range as the corrected snapshot reads it: where "Manual" starts from.
    snapshot->unitCode = snapshot->kelvinCode;
    const TemperatureScale automatic = OwnTemperatureScale(*snapshot);
    UseTemperatureUnit(*snapshot, unit);
    camera.rangeLowKelvin = automatic.low;
    camera.rangeHighKelvin = automatic.high;
    measurementControls->Show(camera, settings, unit);
    scaleView->SetScale(*snapshot, UnitSuffix(unit), settings);
    ShowMeasureMarks(settings);
}

void DetailsDlg::ShowMeasureMarks(const MeasurementSettings& settings)
{
    MeasureMarks marks;
    marks.spots = settings.spots;
    marks.boxes = settings.boxes;
    marks.selected = measurementEditor.Selected();
    QStringList lines;
    if (snapshot && ShownRecord()) {
        marks.firstSpotIndex = CameraMarkerCount();
        const QString suffix = QLatin1Char(' ') + UnitSuffix(Unit());
        for (size_t index = 0; index < settings.boxes.size(); ++index) {
            const auto statistics = MeasureBox(*snapshot, settings.boxes[index]);
            marks.hottest.push_back(statistics ? statistics->hottest : QPoint(-1, -1));
            if (statistics) {
                lines << FillPlaceholders(LoadAppString(StringId::BoxStatisticsLine),
                                          {QString::number(index + 1),
                                           Number(statistics->maximum),
                                           Number(statistics->minimum),
                                           Number(statistics->average) + suffix});
            }
        }
    }
    if (!lines.isEmpty()) {
        lines.prepend(LoadAppString(StringId::BoxStatisticsHeading));
    }
    boxStatistics->setText(lines.join(QLatin1Char('\n')));
    imageArea->SetMeasureMarks(std::move(marks));
}

std::optional<float> DetailsDlg::CursorTemperature(int position) const
{
    if (!snapshot || position <= 0 || position > CursorCount(*snapshot, ShownMeasurement())) {
        return std::nullopt;
    }
    return ::CursorTemperature(*snapshot, ShownMeasurement(), position);
}

std::optional<float> DetailsDlg::CursorDifference() const
{
    const auto first = CursorTemperature(cursorListA->currentIndex());
    const auto second = CursorTemperature(cursorListB->currentIndex());
    if (!first || !second) {
        return std::nullopt;
    }
    return *first - *second;
}

bool DetailsDlg::PressMeasureTool(QMouseEvent* event)
{
    const MeasureTool tool = measureToolBar->Tool();
    if (tool == MeasureTool::Arrow) {
        return false;
    }
    const QPointF inside = imageArea->InsidePosition(this, event->position());
    if (event->button() != Qt::LeftButton || !snapshot || !ShownRecord() || !ImageArea::OnThermalPicture(inside)) {
        return true;
    }
    // Delete then acts on what was picked.
    imageArea->setFocus(Qt::MouseFocusReason);
    const auto pressed = measurementEditor.Press(ShownMeasurement(), tool, ImageArea::PicturePoint(inside));
    if (pressed == MeasurementEditor::PressResult::TooManySpots) {
        MessageBox(
            FillPlaceholders(LoadAppString(StringId::TooManySpots), {QString::number(MeasurementSettings::MaxSpots)}),
            IconExclamation,
            ButtonsOk);
    } else if (pressed == MeasurementEditor::PressResult::TooManyBoxes) {
        MessageBox(
            FillPlaceholders(LoadAppString(StringId::TooManyBoxes), {QString::number(MeasurementSettings::MaxBoxes)}),
            IconExclamation,
            ButtonsOk);
    }
    if (const auto shaped = measurementEditor.Move(ImageArea::PicturePoint(inside))) {
        ShowMeasureMarks(*shaped);
    } else {
        ShowMeasureMarks(ShownMeasurement());
    }
    return true;
}

bool DetailsDlg::MoveMeasureTool(QMouseEvent* event)
{
    if (measureToolBar->Tool() == MeasureTool::Arrow) {
        return false;
    }
    const QPointF inside = imageArea->InsidePosition(this, event->position());
    if (const auto shaped = measurementEditor.Move(ImageArea::PicturePoint(inside))) {
        ShowMeasureMarks(*shaped);
    }
    return true;
}

bool DetailsDlg::ReleaseMeasureTool(QMouseEvent* event)
{
    if (measureToolBar->Tool() == MeasureTool::Arrow) {
        return false;
    }
    if (event->button() != Qt::LeftButton || !measurementEditor.Dragging()) {
        return true;
    }
    const QPointF inside = imageArea->InsidePosition(this, event->position());
    if (const auto edited = measurementEditor.Release(ImageArea::PicturePoint(inside))) {
        EditMeasurement(*edited);
    } else {
        ShowMeasureMarks(ShownMeasurement());
    }
    return true;
}

void DetailsDlg::RemoveSelectedMark()
{
    const MeasureMark selected = measurementEditor.Selected();
    if (const auto edited = measurementEditor.RemoveSelected(ShownMeasurement())) {
        EditMeasurement(*edited, std::nullopt, selected.kind == MeasureMark::Kind::Spot ? selected.index : -1);
    }
}

void DetailsDlg::OnToolChosen(MeasureTool tool)
{
    measurementEditor.Cancel();
    if (tool == MeasureTool::Arrow) {
        measurementEditor.Select({});
    }
    ShowMeasureMarks(ShownMeasurement());
}
