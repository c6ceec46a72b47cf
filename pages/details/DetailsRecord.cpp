#include "pages/details/DetailsDlg.h"

#include "app/gui/CQvxReportWriterDoc.h"
#include "app/gui/MessageBox.h"
#include "app/strings/StringIds.h"
#include "app/strings/StringSource.h"
#include "pages/colour/ColourValueOf.h"
#include "pages/colour/cColourEdit.h"
#include "pages/controls/LimitedLineEdit.h"
#include "pages/details/ImageArea.h"
#include "pages/details/MeasurementText.h"
#include "pages/details/TemperatureScaleView.h"
#include "pages/details/TextFitColours.h"
#include "pages/pictures/Picture.h"
#include "report/DetailsEdits.h"
#include "report/ReportProject.h"
#include "snapshot/cQVX.h"

#include <QComboBox>
#include <QDateTimeEdit>
#include <QLabel>
#include <QRadioButton>

#include <algorithm>

namespace {

void SetLineTextColour(QLineEdit* edit, const QColor& colour)
{
    QPalette colours = edit->palette();
    colours.setColor(QPalette::Text, colour);
    edit->setPalette(colours);
}

void ShowDate(QDateTimeEdit* picker, const OleDate& date)
{
    const QDateTime shown = DateTimeFromOleDate(date);
    if (shown.isValid()) {
        picker->setDateTime(shown);
    }
}

// The picker's date, or the stored one while the picker shows that same date, so that a date
// read from a file keeps every digit it was read with.
OleDate TakeDate(const QDateTimeEdit* picker, const OleDate& stored)
{
    return picker->dateTime() == DateTimeFromOleDate(stored) ? stored : OleDateFromDateTime(picker->dateTime());
}

} // namespace

ReportProject& DetailsDlg::Project() const
{
    return document->Project();
}

InspectionDetails* DetailsDlg::ShownRecord() const
{
    return Project().DetailsAt(Project().CurrentPosition() - 1);
}

void DetailsDlg::UpdatePositionText()
{
    positionText->setText(QStringLiteral("%1 %2 %3 %4")
                              .arg(LoadAppString(StringId::Inspection))
                              .arg(Project().CurrentPosition())
                              .arg(LoadAppString(StringId::Of))
                              .arg(Project().InspectionCount()));
}

void DetailsDlg::ShowInspection()
{
    controlsShowRecord = false;
    editHistory.clear();
    lastMeasurementField.reset();
    measurementEditor.Cancel();
    measurementEditor.Select({});
    UpdatePositionText();
    LoadShownPictures();
    EmptyControls();
    nameEdit->setFocus();
    InspectionDetails* record = ShownRecord();
    if (!record) {
        return;
    }
    // A snapshot that does not load still lets the inspection's texts be seen and edited; only
    // the cursors and measurements stay empty, and the record keeps its cursor choices.
    const bool loaded = LoadShownSnapshot();
    if (loaded) {
        FillCursorLists(*record);
    } else {
        snapshot.reset();
        imageArea->SetSnapshot(nullptr);
        MessageBoxId(StringId::CouldNotOpenQvx, IconError, ButtonsOk);
    }
    PutRecordTexts(*record);
    ColourCheckedFields();
    if (loaded) {
        RenderShownSnapshot();
        ShowMeasurements();
    }
    PutRecordChoices(*record);
    shownValues = *record;
    TakeRecordTexts(shownValues);
    TakeRecordChoices(shownValues);
    controlsShowRecord = true;
    shownPosition = Project().CurrentPosition();
    shownCount = Project().InspectionCount();
}

void DetailsDlg::StoreInspection()
{
    InspectionDetails* record = ShownRecord();
    if (!record || !controlsShowRecord || shownPosition != Project().CurrentPosition() ||
        shownCount != Project().InspectionCount()) {
        return;
    }
    InspectionDetails edited = *record;
    TakeRecordTexts(edited);
    TakeRecordChoices(edited);
    if (CopyChangedFields(shownValues, edited, *record)) {
        shownValues = edited;
        document->SetModified();
    }
}

void DetailsDlg::ResetPage()
{
    controlsShowRecord = false;
    editHistory.clear();
    lastMeasurementField.reset();
    measurementEditor.Cancel();
    measurementEditor.Select({});
    for (LimitedLineEdit* edit :
         {nameEdit, operatorEdit, locationEdit, equipmentEdit, measuredLoadEdit, ratedLoadEdit, loadPercentEdit}) {
        edit->clear();
    }
    for (LimitedLineEdit* edit : buildingEdits) {
        edit->clear();
    }
    for (cColourEdit* edit : {commentEdit, faultEdit, cursorTempA, cursorTempB}) {
        edit->clear();
    }
    differenceEdit->clear();
    measurementControls->ShowNothing();
    boxStatistics->clear();
    cursorListA->clear();
    cursorListB->clear();
    priorityList->setCurrentIndex(0);
    materialList->setCurrentIndex(0);
    for (DateRow& row : dateRows) {
        row.initials->clear();
        row.picker->setDateTime(QDateTime::currentDateTime());
        SetDateGiven(row, false);
    }
    snapshot.reset();
    visualImage = QImage();
    snapshotPicture = QImage();
    Project().SetCurrentPosition(0);
    UpdatePositionText();
    imageArea->SetSnapshot(nullptr);
    imageArea->SetPictures({}, {});
    imageArea->SetStrokes({});
    imageArea->SetMeasureMarks({});
    imageArea->SetShown(false);
    scaleView->Clear();
    ShowSeverity();
}

void DetailsDlg::LoadShownPictures()
{
    const int index = Project().CurrentPosition() - 1;
    const InspectionSelection* selection = Project().SelectionAt(index);
    snapshotPicture = QImage();
    visualImage = QImage();
    scaleView->Clear();
    imageArea->SetMeasureMarks({});
    // The thermal picture comes with the snapshot's measurements, rendered with the inspection's settings.
    if (selection) {
        // Decoded at the largest size it is shown at: a camera's photograph is far larger.
        const auto picture = LoadPicture(selection->imagePath, {ImageArea::VisualLoadSize()});
        if (picture) {
            visualImage = picture->image;
        }
    }
    imageArea->SetPictures(snapshotPicture, visualImage);
    imageArea->SetShown(selection && !selection->snapshotPath.isEmpty());
    RefreshStrokes();
}

void DetailsDlg::EmptyControls()
{
    for (LimitedLineEdit* edit :
         {nameEdit, operatorEdit, locationEdit, equipmentEdit, measuredLoadEdit, ratedLoadEdit}) {
        edit->clear();
    }
    for (cColourEdit* edit : {commentEdit, faultEdit, cursorTempA, cursorTempB}) {
        edit->clear();
    }
    measurementControls->ShowNothing();
    boxStatistics->clear();
    if (Buildings()) {
        for (LimitedLineEdit* edit : buildingEdits) {
            edit->clear();
        }
    } else {
        loadPercentEdit->clear();
    }
    priorityList->setCurrentIndex(0);
    materialList->setCurrentIndex(0);
    cursorListA->clear();
    cursorListB->clear();
    ShowSeverity();
}

void DetailsDlg::PutRecordTexts(const InspectionDetails& record)
{
    nameEdit->SetText(record.name);
    operatorEdit->SetText(record.operatorName);
    locationEdit->SetText(record.location);
    equipmentEdit->SetText(record.equipment);
    commentEdit->SetText(record.comment);
    measuredLoadEdit->SetText(record.measuredLoad);
    ratedLoadEdit->SetText(record.ratedLoad);
    faultEdit->SetText(record.faultAction);
    dateRows[InspectedRow].initials->SetText(record.inspectedInitials);
    dateRows[RepairedRow].initials->SetText(record.repairedInitials);
    dateRows[ReinspectedRow].initials->SetText(record.reinspectedInitials);
    if (Buildings()) {
        materialList->setCurrentIndex(record.materialCondition >= 0 && record.materialCondition < materialList->count()
                                          ? record.materialCondition
                                          : 0);
        const QString* texts[] = {&record.indoorTemperature,
                                  &record.outdoorTemperature,
                                  &record.humidity,
                                  &record.windSpeed,
                                  &record.pressureDifference};
        for (size_t index = 0; index < buildingEdits.size(); ++index) {
            buildingEdits[index]->SetText(*texts[index]);
        }
    } else {
        loadPercentEdit->SetText(record.loadPercent);
    }
}

void DetailsDlg::PutRecordChoices(const InspectionDetails& record)
{
    priorityList->setCurrentIndex(
        record.repairPriority >= 0 && record.repairPriority < priorityList->count() ? record.repairPriority : 0);
    const bool flags[] = {record.inspectedSet, record.repairedSet, record.reinspectedSet};
    const OleDate* dates[] = {&record.inspectedDate, &record.repairedDate, &record.reinspectedDate};
    for (size_t index = 0; index < dateRows.size(); ++index) {
        DateRow& row = dateRows[index];
        if (flags[index]) {
            ShowDate(row.picker, *dates[index]);
        }
        SetDateGiven(row, flags[index]);
    }
}

void DetailsDlg::TakeRecordTexts(InspectionDetails& record) const
{
    record.name = nameEdit->text();
    record.operatorName = operatorEdit->text();
    record.location = locationEdit->text();
    record.equipment = equipmentEdit->text();
    record.comment = commentEdit->Text();
    record.measuredLoad = measuredLoadEdit->text();
    record.ratedLoad = ratedLoadEdit->text();
    record.faultAction = faultEdit->Text();
    record.inspectedInitials = dateRows[InspectedRow].initials->text();
    record.repairedInitials = dateRows[RepairedRow].initials->text();
    record.reinspectedInitials = dateRows[ReinspectedRow].initials->text();
    // The fields of the other template are not on the page: the record keeps them.
    if (Buildings()) {
        QString* texts[] = {&record.indoorTemperature,
                            &record.outdoorTemperature,
                            &record.humidity,
                            &record.windSpeed,
                            &record.pressureDifference};
        for (size_t index = 0; index < buildingEdits.size(); ++index) {
            *texts[index] = buildingEdits[index]->text();
        }
    } else {
        record.loadPercent = loadPercentEdit->text();
    }
}

void DetailsDlg::TakeRecordChoices(InspectionDetails& record) const
{
    record.repairPriority = priorityList->currentIndex();
    // Like the texts of the other template, the material condition is kept while it is not shown.
    if (Buildings()) {
        record.materialCondition = materialList->currentIndex();
    }
    bool* flags[] = {&record.inspectedSet, &record.repairedSet, &record.reinspectedSet};
    OleDate* dates[] = {&record.inspectedDate, &record.repairedDate, &record.reinspectedDate};
    for (size_t index = 0; index < dateRows.size(); ++index) {
        const DateRow& row = dateRows[index];
        *flags[index] = row.given->isChecked();
        if (row.given->isChecked()) {
            *dates[index] = TakeDate(row.picker, *dates[index]);
        }
    }
    // Without a loaded snapshot the lists are empty and say nothing about the record's choice.
    if (cursorListA->count() > 0) {
        record.cursorA = cursorListA->currentIndex();
        record.cursorB = cursorListB->currentIndex();
    }
}

void DetailsDlg::ColourCheckedFields()
{
    // The name is printed in the inspection's heading, whose number takes room too.
    const TypedTextPlace place {Buildings() ? ReportTemplate::Buildings : ReportTemplate::Maintenance,
                                std::max(0, Project().CurrentPosition() - 1)};
    SetLineTextColour(nameEdit, TextFitColour(TypedField::Name, nameEdit->text(), place));
    SetLineTextColour(operatorEdit, TextFitColour(TypedField::Operator, operatorEdit->text(), place));
    SetLineTextColour(locationEdit, TextFitColour(TypedField::Location, locationEdit->text(), place));
    SetLineTextColour(equipmentEdit, TextFitColour(TypedField::Equipment, equipmentEdit->text(), place));
    commentEdit->SetTextColour(ColourValueOf(TextFitColour(TypedField::Comment, commentEdit->Text(), place)));
    faultEdit->SetTextColour(ColourValueOf(TextFitColour(TypedField::FaultAction, faultEdit->Text(), place)));
}

void DetailsDlg::SetDateGiven(DateRow& row, bool given)
{
    row.given->setChecked(given);
    row.noDate->setChecked(!given);
    row.picker->setEnabled(given);
}
