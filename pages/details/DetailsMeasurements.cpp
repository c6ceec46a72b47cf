#include "pages/details/DetailsDlg.h"

#include "app/gui/MessageBox.h"
#include "app/strings/StringIds.h"
#include "app/strings/StringSource.h"
#include "pages/colour/ColourValueOf.h"
#include "pages/colour/cColourEdit.h"
#include "pages/details/ImageArea.h"
#include "pages/details/MeasurementText.h"
#include "pages/details/TemperatureScaleView.h"
#include "report/ReportProject.h"
#include "snapshot/MeasuredSnapshot.h"
#include "snapshot/SnapshotUnit.h"
#include "snapshot/cQVX.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPalette>

bool DetailsDlg::LoadShownSnapshot()
{
    const InspectionSelection* selection = Project().SelectionAt(Project().CurrentPosition() - 1);
    if (!selection) {
        return false;
    }
    auto loaded = std::make_unique<cQVX>();
    if (!LoadMeasuredSnapshot(*loaded, selection->snapshotPath, {})) {
        return false;
    }
    snapshot = std::move(loaded);
    cameraHeader = {snapshot->emissivity, snapshot->reflectedTemp, snapshot->paletteCode};
    CorrectShownSnapshot();
    imageArea->SetSnapshot(snapshot.get());
    return true;
}

void DetailsDlg::FillCursorLists(const InspectionDetails& record)
{
    QStringList entries {LoadAppString(StringId::None)};
    // The extra spots follow the camera's markers.
    const int cursors = CursorCount(*snapshot, ShownMeasurement());
    for (int cursor = 1; cursor <= cursors; ++cursor) {
        entries << QStringLiteral("%1 %2").arg(LoadAppString(StringId::Cursor)).arg(cursor);
    }
    cursorListA->clear();
    cursorListB->clear();
    cursorListA->addItems(entries);
    cursorListB->addItems(entries);
    const int markers = snapshot->markerCount;
    // Never chosen: the first two cursors, as far as the snapshot has them.
    const int first = record.cursorA == -1 ? (markers >= 1 ? 1 : 0) : record.cursorA;
    const int second = record.cursorA == -1 ? (markers >= 2 ? 2 : 0) : record.cursorB;
    cursorListA->setCurrentIndex(first >= 0 && first <= cursors ? first : 0);
    cursorListB->setCurrentIndex(second >= 0 && second <= cursors ? second : 0);
}

void DetailsDlg::ShowMeasurements()
{
    UseTemperatureUnit(*snapshot, Unit());
    ShowCursorTemperature(cursorListA, cursorTempA);
    ShowCursorTemperature(cursorListB, cursorTempB);
    if (const auto difference = CursorDifference()) {
        differenceEdit->setText(DifferenceText(*difference, Unit()));
    } else {
        differenceEdit->clear();
    }
    // The camera's markers among the chosen cursors; the extra spots are all drawn with the marks.
    const auto marker = [this](int position) { return position <= CameraMarkerCount() ? position - 1 : -1; };
    imageArea->SetMarkers(marker(cursorListA->currentIndex()), marker(cursorListB->currentIndex()));
    ShowMeasurementSettings();
    ShowSeverity();
}

void DetailsDlg::ShowCursorTemperature(QComboBox* list, cColourEdit* field)
{
    const int position = list->currentIndex();
    if (const auto temperature = CursorTemperature(position)) {
        field->SetText(TemperatureText(*temperature, Unit()));
        field->SetBkColour(MarkerColours(position - 1).line);
    } else {
        field->clear();
        field->SetBkColour(ColourValueOf(QApplication::palette().color(QPalette::Button)));
    }
}

void DetailsDlg::OnCursorChanged()
{
    if (!LoadShownSnapshot()) {
        MessageBoxId(StringId::CouldNotOpenQvx, IconError, ButtonsOk);
        return;
    }
    ShowMeasurements();
}
