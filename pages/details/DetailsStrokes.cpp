#include "pages/details/DetailsDlg.h"

#include "app/gui/CQvxReportWriterDoc.h"
#include "app/gui/MessageBox.h"
#include "app/strings/StringIds.h"
#include "pages/details/ImageArea.h"
#include "report/ReportProject.h"

#include <QMouseEvent>
#include <QSpinBox>

#include <utility>

void DetailsDlg::mousePressEvent(QMouseEvent* event)
{
    if (PressMeasureTool(event)) {
        return;
    }
    if (event->button() != Qt::LeftButton || Project().InspectionCount() == 0) {
        QWidget::mousePressEvent(event);
        return;
    }
    strokeTracker.Press(imageArea->StripPoint(this, event->position()), penSize);
}

void DetailsDlg::mouseMoveEvent(QMouseEvent* event)
{
    if (MoveMeasureTool(event) || Project().InspectionCount() == 0) {
        return;
    }
    if (strokeTracker.Move(imageArea->StripPoint(this, event->position()), penSize)) {
        imageArea->SetRubberBand(strokeTracker.RubberStart(), strokeTracker.RubberEnd());
    }
}

void DetailsDlg::mouseReleaseEvent(QMouseEvent* event)
{
    if (ReleaseMeasureTool(event)) {
        return;
    }
    if (event->button() != Qt::LeftButton || Project().InspectionCount() == 0) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    TakePenSize();
    const auto stroke = strokeTracker.Release(imageArea->StripPoint(this, event->position()), penSize, penColour);
    const InspectionSelection* selection = Project().SelectionAt(Project().CurrentPosition() - 1);
    imageArea->SetRubberBand(std::nullopt, std::nullopt);
    if (stroke && selection) {
        std::vector<PenStroke> strokes = selection->strokes;
        strokes.push_back(*stroke);
        ReplaceStrokes(std::move(strokes));
    } else {
        RefreshStrokes();
    }
}

void DetailsDlg::TakePenSize()
{
    // The up-down box may have been emptied by typing; then the size stays as it was.
    if (penSizeEdit->cleanText().isEmpty()) {
        MessageBoxId(StringId::PleaseEnterInteger, IconExclamation, ButtonsOk);
        return;
    }
    penSize = penSizeEdit->value();
}

void DetailsDlg::UndoStroke()
{
    InspectionSelection* selection = Project().SelectionAt(Project().CurrentPosition() - 1);
    if (!selection) {
        return;
    }
    // What was done on this page is undone step by step; strokes that came with the project
    // are then taken back one at a time, newest first.
    lastMeasurementField.reset();
    if (!editHistory.empty()) {
        EditStep step = std::move(editHistory.back());
        editHistory.pop_back();
        selection->strokes = std::move(step.strokes);
        if (step.measurement != selection->measurement) {
            selection->measurement = std::move(step.measurement);
            measurementEditor.Select({});
            ShowEditedMeasurement();
        }
    } else if (!selection->strokes.empty()) {
        selection->strokes.pop_back();
    } else {
        return;
    }
    document->SetModified();
    RefreshStrokes();
}

void DetailsDlg::ClearStrokes()
{
    const InspectionSelection* selection = Project().SelectionAt(Project().CurrentPosition() - 1);
    if (!selection || selection->strokes.empty()) {
        return;
    }
    if (MessageBoxId(StringId::ClearAllArrows, IconQuestion, ButtonsYesNo) != ResultYes) {
        return;
    }
    ReplaceStrokes({});
}

void DetailsDlg::ReplaceStrokes(std::vector<PenStroke> strokes)
{
    InspectionSelection* selection = Project().SelectionAt(Project().CurrentPosition() - 1);
    if (!selection) {
        return;
    }
    editHistory.push_back({std::exchange(selection->strokes, std::move(strokes)), selection->measurement});
    lastMeasurementField.reset();
    document->SetModified();
    RefreshStrokes();
}

void DetailsDlg::RefreshStrokes()
{
    const InspectionSelection* selection = Project().SelectionAt(Project().CurrentPosition() - 1);
    imageArea->SetStrokes(selection ? selection->strokes : std::vector<PenStroke> {});
}
