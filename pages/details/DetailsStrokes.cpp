#include "pages/DetailsDlg.h"

#include "app/gui/MessageBox.h"
#include "app/strings/StringIds.h"
#include "pages/details/ImageArea.h"
#include "report/ReportProject.h"

#include <QMouseEvent>
#include <QSpinBox>

void DetailsDlg::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || Project().InspectionCount() == 0) {
        QWidget::mousePressEvent(event);
        return;
    }
    strokeTracker.Press(event->position().toPoint(), penSize);
}

void DetailsDlg::mouseMoveEvent(QMouseEvent* event)
{
    if (Project().InspectionCount() == 0) {
        return;
    }
    if (strokeTracker.Move(event->position().toPoint(), penSize)) {
        imageArea->SetRubberBand(strokeTracker.RubberStart(), strokeTracker.RubberEnd());
    }
}

void DetailsDlg::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || Project().InspectionCount() == 0) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    TakePenSize();
    const auto stroke = strokeTracker.Release(event->position().toPoint(), penSize, penColour);
    InspectionSelection* selection = Project().SelectionAt(Project().CurrentPosition() - 1);
    if (stroke && selection) {
        selection->strokes.push_back(*stroke);
    }
    imageArea->SetRubberBand(std::nullopt, std::nullopt);
    RefreshStrokes();
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
    if (selection && !selection->strokes.empty()) {
        selection->strokes.pop_back();
    }
    RefreshStrokes();
}

void DetailsDlg::ClearStrokes()
{
    if (InspectionSelection* selection = Project().SelectionAt(Project().CurrentPosition() - 1)) {
        selection->strokes.clear();
    }
    RefreshStrokes();
}

void DetailsDlg::RefreshStrokes()
{
    const InspectionSelection* selection = Project().SelectionAt(Project().CurrentPosition() - 1);
    imageArea->SetStrokes(selection ? selection->strokes : std::vector<PenStroke> {});
}
