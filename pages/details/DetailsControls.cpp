#include "pages/details/DetailsDlg.h"

#include "app/gui/CQvxReportWriterDoc.h"
#include "app/strings/StringIds.h"
#include "app/strings/StringSource.h"
#include "pages/colour/cColourButton.h"
#include "pages/colour/cColourEdit.h"
#include "pages/controls/LimitedLineEdit.h"
#include "pages/details/ImageArea.h"
#include "pages/details/TemperatureScaleView.h"
#include "report/TypedUnits.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

namespace {

constexpr quint32 LightGreen = 0x80FF80;
constexpr quint32 Green = 0x00FF00;
constexpr quint32 Orange = 0x0080FF; // (255, 128, 0)

// Character limits of the edits.
constexpr int NameLimit = 38;
constexpr int EquipmentLimit = 70;
constexpr int CommentLimit = 550;
constexpr int LoadLimit = 20;
constexpr int LoadPercentLimit = 8;
constexpr int FaultLimit = 250;
constexpr int InitialsLimit = 7;

// Rows of the form below the image strip.
constexpr int RowHeight = 24;
constexpr int RowStep = 30;

template<class Control>
Control* Place(Control* control, const QString& objectName, const QRect& geometry)
{
    control->setObjectName(objectName);
    control->setGeometry(geometry);
    return control;
}

QLabel* PlaceLabel(QWidget* page, const QString& objectName, const QRect& geometry, unsigned textId = 0)
{
    return Place(new QLabel(textId ? LoadAppString(textId) : QString(), page), objectName, geometry);
}

LimitedLineEdit* PlaceEdit(QWidget* page, const QString& objectName, const QRect& geometry, int limit)
{
    return Place(new LimitedLineEdit(limit, page), objectName, geometry);
}

QLineEdit* PlaceReadOnly(QWidget* page, const QString& objectName, const QRect& geometry)
{
    QLineEdit* edit = Place(new QLineEdit(page), objectName, geometry);
    edit->setReadOnly(true);
    return edit;
}

QRect Row(int x, int row, int width, int top = 290)
{
    return {x, top + row * RowStep, width, RowHeight};
}

} // namespace

void DetailsDlg::BuildControls()
{
    BuildImageStrip();
    BuildTextFields();
    BuildDateRows();
    BuildMeasurementPanel();
    BuildBuildingFields();
    BuildSeverityPanel();
    ShowTemplate();
}

void DetailsDlg::BuildImageStrip()
{
    positionText = PlaceLabel(this, QStringLiteral("positionText"), {108, 2, 300, 20});
    previousButton = Place(
        new QPushButton(LoadAppString(StringId::Previous), this), QStringLiteral("previousButton"), {108, 22, 110, 26});
    nextButton =
        Place(new QPushButton(LoadAppString(StringId::Next), this), QStringLiteral("nextButton"), {226, 22, 110, 26});
    generateButton = Place(new cColourButton(this), QStringLiteral("generateButton"), {650, 12, 310, 46});
    generateButton->SetColour(LightGreen);
    generateButton->SetCaption(LoadAppString(StringId::GeneratePdfReport));

    PlaceLabel(this, QStringLiteral("snapshotHeading"), {110, 50, 261, 18}, StringId::ThermalSnapshot)
        ->setAlignment(Qt::AlignCenter);
    PlaceLabel(this, QStringLiteral("visualHeading"), {371, 50, 261, 18}, StringId::VisualImage)
        ->setAlignment(Qt::AlignCenter);
    // Stroke coordinates are kept in this frame: its place and size never change.
    imageArea = Place(new ImageArea(this),
                      QStringLiteral("imageArea"),
                      QRect(StrokeTracker::AreaOrigin, QSize(StrokeTracker::AreaWidth, StrokeTracker::AreaHeight)));
    // In the free room left of the strip, its bar beside the thermal picture.
    scaleView = Place(new TemperatureScaleView(this),
                      QStringLiteral("temperatureScale"),
                      {0, StrokeTracker::AreaOrigin.y() - 8, StrokeTracker::AreaOrigin.x() - 2, 220});
}

void DetailsDlg::BuildTextFields()
{
    constexpr int labelX = 10;
    constexpr int editX = 140;
    constexpr int editWidth = 180;
    PlaceLabel(this, QStringLiteral("nameLabel"), Row(labelX, 0, 125), StringId::InspectionName);
    nameEdit = PlaceEdit(this, QStringLiteral("nameEdit"), Row(editX, 0, editWidth), NameLimit);
    operatorLabel = PlaceLabel(this, QStringLiteral("operatorLabel"), Row(labelX, 1, 125));
    operatorEdit = PlaceEdit(this, QStringLiteral("operatorEdit"), Row(editX, 1, editWidth), NameLimit);
    PlaceLabel(this, QStringLiteral("locationLabel"), Row(labelX, 2, 125), StringId::Location);
    locationEdit = PlaceEdit(this, QStringLiteral("locationEdit"), Row(editX, 2, editWidth), NameLimit);
    equipmentLabel = PlaceLabel(this, QStringLiteral("equipmentLabel"), Row(labelX, 3, 125), StringId::Equipment);
    equipmentEdit = PlaceEdit(this, QStringLiteral("equipmentEdit"), Row(editX, 3, editWidth), EquipmentLimit);
    measuredLoadLabel = PlaceLabel(this, QStringLiteral("measuredLoadLabel"), Row(labelX, 4, 125));
    measuredLoadEdit = PlaceEdit(this, QStringLiteral("measuredLoadEdit"), Row(editX, 4, editWidth), LoadLimit);
    ratedLoadLabel = PlaceLabel(this, QStringLiteral("ratedLoadLabel"), Row(labelX, 5, 125));
    ratedLoadEdit = PlaceEdit(this, QStringLiteral("ratedLoadEdit"), Row(editX, 5, editWidth), LoadLimit);
    loadPercentLabel = PlaceLabel(this, QStringLiteral("loadPercentLabel"), Row(labelX, 6, 125));
    loadPercentEdit = PlaceEdit(this, QStringLiteral("loadPercentEdit"), Row(editX, 6, editWidth), LoadPercentLimit);
    materialList = Place(new QComboBox(this), QStringLiteral("materialList"), Row(editX, 6, editWidth));
    materialList->addItems(
        {LoadAppString(StringId::NoComment), LoadAppString(StringId::Good), LoadAppString(StringId::Poor)});
    PlaceLabel(this, QStringLiteral("priorityLabel"), Row(labelX, 7, 125), StringId::RepairPriority);
    priorityList = Place(new QComboBox(this), QStringLiteral("priorityList"), Row(editX, 7, 80));
    priorityList->addItem(LoadAppString(StringId::None));
    for (int priority = 1; priority <= 5; ++priority) {
        priorityList->addItem(QString::number(priority));
    }
    PlaceLabel(this, QStringLiteral("priorityScale"), Row(editX + 90, 7, 130), StringId::PriorityScale);

    constexpr int wideX = 335;
    constexpr int wideWidth = 300;
    PlaceLabel(this, QStringLiteral("commentLabel"), {wideX, 284, wideWidth, 18}, StringId::Comment);
    commentEdit = Place(new cColourEdit(cColourEdit::Lines::Multiple, this),
                        QStringLiteral("commentEdit"),
                        {wideX, 302, wideWidth, 84});
    commentEdit->SetLimitText(CommentLimit);
    PlaceLabel(this, QStringLiteral("faultLabel"), {wideX, 392, wideWidth, 18}, StringId::FaultRecommendedAction);
    faultEdit = Place(
        new cColourEdit(cColourEdit::Lines::Multiple, this), QStringLiteral("faultEdit"), {wideX, 410, wideWidth, 96});
    faultEdit->SetLimitText(FaultLimit);
}

void DetailsDlg::BuildDateRows()
{
    constexpr int top = 566;
    PlaceLabel(this, QStringLiteral("noDateHeading"), Row(268, 0, 70, top - 24), StringId::NoDate);
    PlaceLabel(this, QStringLiteral("initialsHeading"), Row(340, 0, 80, top - 24), StringId::Initials);
    const unsigned labels[] = {StringId::Inspected, StringId::Repaired, StringId::Reinspected};
    const char* names[] = {"inspected", "repaired", "reinspected"};
    for (int index = 0; index < 3; ++index) {
        DateRow& row = dateRows[size_t(index)];
        const QString name = QLatin1String(names[index]);
        row.label = PlaceLabel(this, name + QStringLiteral("Label"), Row(10, index, 100, top), labels[index]);
        row.given = Place(new QRadioButton(this), name + QStringLiteral("Given"), Row(112, index, 22, top));
        row.picker = Place(new QDateTimeEdit(this), name + QStringLiteral("Picker"), Row(136, index, 126, top));
        row.picker->setDisplayFormat(QLocale().dateFormat(QLocale::ShortFormat));
        row.picker->setCalendarPopup(true);
        row.picker->setDateTime(QDateTime::currentDateTime());
        row.noDate = Place(new QRadioButton(this), name + QStringLiteral("NoDate"), Row(280, index, 22, top));
        row.initials = PlaceEdit(this, name + QStringLiteral("Initials"), Row(340, index, 80, top), InitialsLimit);
        // The two choices of a row exclude each other, and only each other.
        auto* group = new QButtonGroup(this);
        group->addButton(row.given);
        group->addButton(row.noDate);
        row.noDate->setChecked(true);
        row.picker->setEnabled(false);
    }
}

void DetailsDlg::BuildMeasurementPanel()
{
    constexpr int labelX = 650;
    constexpr int fieldX = 790;
    PlaceLabel(this, QStringLiteral("penSizeLabel"), Row(labelX, 0, 130, 70), StringId::PenSize);
    penSizeEdit = Place(new QSpinBox(this), QStringLiteral("penSizeEdit"), Row(fieldX, 0, 60, 70));
    penSizeEdit->setRange(1, 9);
    penSizeEdit->setValue(penSize);
    PlaceLabel(this, QStringLiteral("penColourLabel"), Row(labelX, 1, 130, 70), StringId::PenColour);
    penColourSwatch = Place(
        new cColourEdit(cColourEdit::Lines::Single, this), QStringLiteral("penColourSwatch"), Row(fieldX, 1, 60, 70));
    penColourSwatch->setReadOnly(true);
    penColourSwatch->SetBkColour(Green);
    changeButton = Place(new QPushButton(LoadAppString(StringId::Change), this),
                         QStringLiteral("changeButton"),
                         Row(fieldX + 70, 1, 90, 70));
    undoButton = Place(
        new QPushButton(LoadAppString(StringId::Undo), this), QStringLiteral("undoButton"), Row(fieldX, 2, 75, 70));
    clearButton = Place(new QPushButton(LoadAppString(StringId::Clear), this),
                        QStringLiteral("clearButton"),
                        Row(fieldX + 85, 2, 75, 70));

    PlaceLabel(this, QStringLiteral("unitLabel"), Row(labelX, 3, 130, 80), StringId::TemperatureUnits);
    unitList = Place(new QComboBox(this), QStringLiteral("unitList"), Row(fieldX, 3, 80, 80));
    unitList->addItems({QStringLiteral("\u00B0C"), QStringLiteral("\u00B0F"), QStringLiteral("K")});
    unitList->setCurrentIndex(int(Unit()));

    cursorListA = Place(new QComboBox(this), QStringLiteral("cursorListA"), Row(labelX, 4, 120, 80));
    cursorTempA = Place(
        new cColourEdit(cColourEdit::Lines::Single, this), QStringLiteral("cursorTempA"), Row(fieldX, 4, 100, 80));
    cursorTempA->SetBkColour(Green);
    cursorListB = Place(new QComboBox(this), QStringLiteral("cursorListB"), Row(labelX, 5, 120, 80));
    cursorTempB = Place(
        new cColourEdit(cColourEdit::Lines::Single, this), QStringLiteral("cursorTempB"), Row(fieldX, 5, 100, 80));
    cursorTempB->SetBkColour(Orange);
    for (cColourEdit* field : {cursorTempA, cursorTempB}) {
        field->setReadOnly(true);
    }
    PlaceLabel(this, QStringLiteral("differenceLabel"), Row(labelX, 6, 130, 80), StringId::Difference);
    differenceEdit = PlaceReadOnly(this, QStringLiteral("differenceEdit"), Row(fieldX, 6, 100, 80));
    BuildMeasurementTools();
}

void DetailsDlg::BuildBuildingFields()
{
    constexpr int top = 470;
    const unsigned labels[] = {StringId::IndoorTemperature,
                               StringId::OutdoorTemperature,
                               StringId::RelativeHumidity,
                               StringId::WindSpeed,
                               StringId::PressureDifference};
    const char* names[] = {"indoor", "outdoor", "humidity", "wind", "pressure"};
    for (int index = 0; index < 5; ++index) {
        const QString name = QLatin1String(names[index]);
        QLabel* label = PlaceLabel(this, name + QStringLiteral("Label"), Row(650, index, 135, top), labels[index]);
        buildingEdits[size_t(index)] =
            PlaceEdit(this, name + QStringLiteral("Edit"), Row(790, index, 100, top), LoadLimit);
        QLabel* unitLabel = PlaceLabel(this, name + QStringLiteral("Unit"), Row(896, index, 60, top));
        buildingControls[size_t(3 * index)] = label;
        buildingControls[size_t(3 * index + 1)] = buildingEdits[size_t(index)];
        buildingControls[size_t(3 * index + 2)] = unitLabel;
    }
    indoorUnitLabel = qobject_cast<QLabel*>(buildingControls[2]);
    outdoorUnitLabel = qobject_cast<QLabel*>(buildingControls[5]);
    qobject_cast<QLabel*>(buildingControls[8])->setText(QStringLiteral("%"));
    windUnitLabel = qobject_cast<QLabel*>(buildingControls[11]);
    qobject_cast<QLabel*>(buildingControls[14])->setText(QStringLiteral("bar"));
}

void DetailsDlg::ShowTemplate()
{
    const bool buildings = Buildings();
    operatorLabel->setText(LoadAppString(buildings ? StringId::Inspector : StringId::Operator));
    measuredLoadLabel->setText(LoadAppString(buildings ? StringId::Material : StringId::MeasuredLoad));
    ratedLoadLabel->setText(LoadAppString(buildings ? StringId::MaterialValue : StringId::RatedLoad));
    loadPercentLabel->setText(LoadAppString(buildings ? StringId::MaterialCondition : StringId::LoadPercent));
    equipmentLabel->setVisible(!buildings);
    equipmentEdit->setVisible(!buildings);
    loadPercentEdit->setVisible(!buildings);
    materialList->setVisible(buildings);
    for (QWidget* control : buildingControls) {
        control->setVisible(buildings);
    }
    UpdateUnitLabels();
}

void DetailsDlg::UpdateUnitLabels()
{
    if (!Buildings()) {
        return;
    }
    const bool fahrenheit = TypedInFahrenheit(document->Unit());
    const QString temperatureUnit = fahrenheit ? QStringLiteral("\u00B0F") : QStringLiteral("\u00B0C");
    indoorUnitLabel->setText(temperatureUnit);
    outdoorUnitLabel->setText(temperatureUnit);
    windUnitLabel->setText(fahrenheit ? QStringLiteral("mph") : QStringLiteral("km/h"));
}

void DetailsDlg::ShowReportOptions()
{
    ShowTemplate();
    unitList->setCurrentIndex(int(Unit()));
    // The shown record's fields of the new template, or its converted values.
    if (const InspectionDetails* record = ShownRecord(); record && controlsShowRecord) {
        PutRecordTexts(*record);
        ColourCheckedFields();
    }
}
