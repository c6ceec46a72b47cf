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
    if (!loaded->Load(selection->snapshotPath) || !loaded->valid || !loaded->LoadPixels(cQVX::Width, cQVX::Height)) {
        return false;
    }
    snapshot = std::move(loaded);
    imageArea->SetSnapshot(snapshot.get());
    return true;
}

void DetailsDlg::FillCursorLists(const InspectionDetails& record)
{
    QStringList entries {LoadAppString(StringId::None)};
    for (int cursor = 1; cursor <= snapshot->markerCount; ++cursor) {
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
    cursorListA->setCurrentIndex(first >= 0 && first <= markers ? first : 0);
    cursorListB->setCurrentIndex(second >= 0 && second <= markers ? second : 0);
}

void DetailsDlg::ShowMeasurements()
{
    SetSnapshotUnit(*snapshot, UnitCode());
    ShowCursorTemperature(cursorListA, cursorTempA);
    ShowCursorTemperature(cursorListB, cursorTempB);
    const int first = cursorListA->currentIndex();
    const int second = cursorListB->currentIndex();
    if (first > 0 && second > 0) {
        differenceEdit->setText(DifferenceText(snapshot->MarkerDifference(first - 1, second - 1), UnitCode()));
    } else {
        differenceEdit->clear();
    }
    const int unit = UnitCode();
    reflectedEdit->setText(TemperatureText(ReflectedTemperature(snapshot->reflectedTemp, unit), unit));
    imageArea->SetMarkers(first - 1, second - 1);
    scaleView->SetScale(*snapshot, UnitSuffix(unit));
    ShowSeverity();
}

void DetailsDlg::ShowCursorTemperature(QComboBox* list, cColourEdit* field)
{
    const int position = list->currentIndex();
    if (position > 0) {
        field->SetText(TemperatureText(snapshot->MarkerTemperature(position - 1), UnitCode()));
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
