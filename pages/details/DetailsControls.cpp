#include "pages/details/DetailsDlg.h"

#include "app/gui/CQvxReportWriterDoc.h"
#include "app/strings/StringIds.h"
#include "app/strings/StringSource.h"
#include "pages/colour/cColourButton.h"
#include "pages/colour/cColourEdit.h"
#include "pages/controls/LimitedLineEdit.h"
#include "pages/details/ImageArea.h"
#include "pages/details/MeasureToolBar.h"
#include "pages/details/MeasurementControls.h"
#include "report/TypedUnits.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include <algorithm>

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

// Gaps of the page's layout.
constexpr int Gap = 6;
constexpr int ColumnGap = 12;
constexpr int FormMargin = 10;
// The label column of the form and of the measurement column.
constexpr int FormLabelWidth = 125;
constexpr int MeasureLabelWidth = 134;

template<class Control>
Control* Named(Control* control, const QString& objectName)
{
    control->setObjectName(objectName);
    return control;
}

// A control that keeps its width (or more, where its text needs it) as the page grows.
template<class Control>
Control* Sized(Control* control, int width)
{
    control->setFixedWidth(std::max(width, control->minimumSizeHint().width()));
    return control;
}

QLabel* NewLabel(QWidget* page, const QString& objectName, unsigned textId = 0)
{
    return Named(new QLabel(textId ? LoadAppString(textId) : QString(), page), objectName);
}

LimitedLineEdit* NewEdit(QWidget* page, const QString& objectName, int limit)
{
    return Named(new LimitedLineEdit(limit, page), objectName);
}

// Controls side by side from the left, at their own widths.
QHBoxLayout* Row(std::initializer_list<QWidget*> controls, int spacing = 10)
{
    auto* row = new QHBoxLayout;
    row->setSpacing(spacing);
    for (QWidget* control : controls) {
        row->addWidget(control);
    }
    row->addStretch();
    return row;
}

QGridLayout* LabelledGrid(int labelWidth)
{
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(Gap);
    grid->setVerticalSpacing(Gap);
    grid->setColumnMinimumWidth(0, labelWidth);
    return grid;
}

} // namespace

void DetailsDlg::BuildControls()
{
    BuildImageStrip();
    QLayout* form = BuildTextFields();
    QLayout* dates = BuildDateRows();
    QLayout* measurements = BuildMeasurementPanel();
    QLayout* building = BuildBuildingFields();
    BuildSeverityPanel();

    // Left the inspection: its pictures, which take what the page can spare, and its texts; right
    // the report button and the measurements, at the width they need.
    auto* page = new QHBoxLayout(this);
    page->setContentsMargins(0, 2, Gap, 8);
    page->setSpacing(ColumnGap);
    page->addLayout(InspectionColumn(form, dates), 1);
    page->addLayout(MeasurementColumn(measurements, building));
    ShowTemplate();
}

QLayout* DetailsDlg::InspectionColumn(QLayout* form, QLayout* dates)
{
    // The navigation and the measuring tools in line with the strip, right of the scale.
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(8);
    buttons->addWidget(previousButton);
    buttons->addWidget(nextButton);
    buttons->addSpacing(1);
    buttons->addWidget(Sized(measureToolBar, 295));
    buttons->addStretch();
    auto* navigation = new QVBoxLayout;
    navigation->setContentsMargins(ImageArea::StripLeft, 0, 0, 2);
    navigation->setSpacing(0);
    navigation->addWidget(positionText);
    navigation->addLayout(buttons);

    auto* bottom = new QHBoxLayout;
    bottom->setContentsMargins(FormMargin, 0, 0, 0);
    bottom->setSpacing(2 * Gap);
    bottom->addLayout(dates);
    bottom->addWidget(boxStatistics, 1);

    auto* column = new QVBoxLayout;
    column->setSpacing(0);
    column->addLayout(navigation);
    column->addWidget(imageArea, 3);
    column->addSpacing(Gap);
    column->addLayout(form, 2);
    column->addSpacing(2 * Gap);
    column->addLayout(bottom);
    return column;
}

QLayout* DetailsDlg::MeasurementColumn(QLayout* measurements, QLayout* building)
{
    // The severity class, then its action with the button that applies its priority; shown only
    // while criteria are chosen.
    QGridLayout* severity = LabelledGrid(MeasureLabelWidth);
    severity->addWidget(severityLabel, 0, 0);
    severity->addWidget(severityField, 0, 1, 1, 2);
    severity->addWidget(severityAction, 1, 0, 1, 2);
    severity->addWidget(useButton, 1, 2, Qt::AlignTop);

    auto* column = new QVBoxLayout;
    column->setSpacing(2 * Gap);
    column->addWidget(generateButton);
    column->addLayout(measurements);
    column->addWidget(measurementControls);
    column->addLayout(severity);
    column->addLayout(building);
    column->addStretch();
    return column;
}

void DetailsDlg::BuildImageStrip()
{
    positionText = NewLabel(this, QStringLiteral("positionText"));
    previousButton =
        Sized(Named(new QPushButton(LoadAppString(StringId::Previous), this), QStringLiteral("previousButton")), 110);
    nextButton = Sized(Named(new QPushButton(LoadAppString(StringId::Next), this), QStringLiteral("nextButton")), 110);
    generateButton = Named(new cColourButton(this), QStringLiteral("generateButton"));
    generateButton->setFixedSize(310, 46);
    generateButton->SetColour(LightGreen);
    generateButton->SetCaption(LoadAppString(StringId::GeneratePdfReport));
    imageArea =
        Named(new ImageArea(LoadAppString(StringId::ThermalSnapshot), LoadAppString(StringId::VisualImage), this),
              QStringLiteral("imageArea"));
    scaleView = imageArea->ScaleView();
}

QLayout* DetailsDlg::BuildTextFields()
{
    QGridLayout* fields = LabelledGrid(FormLabelWidth);
    fields->setColumnMinimumWidth(1, 150);
    int row = 0;
    const auto add = [fields, &row](QWidget* label, QWidget* field) {
        fields->addWidget(label, row, 0);
        fields->addWidget(field, row, 1);
        ++row;
    };
    add(NewLabel(this, QStringLiteral("nameLabel"), StringId::InspectionName),
        nameEdit = NewEdit(this, QStringLiteral("nameEdit"), NameLimit));
    add(operatorLabel = NewLabel(this, QStringLiteral("operatorLabel")),
        operatorEdit = NewEdit(this, QStringLiteral("operatorEdit"), NameLimit));
    add(NewLabel(this, QStringLiteral("locationLabel"), StringId::Location),
        locationEdit = NewEdit(this, QStringLiteral("locationEdit"), NameLimit));
    add(equipmentLabel = NewLabel(this, QStringLiteral("equipmentLabel"), StringId::Equipment),
        equipmentEdit = NewEdit(this, QStringLiteral("equipmentEdit"), EquipmentLimit));
    add(measuredLoadLabel = NewLabel(this, QStringLiteral("measuredLoadLabel")),
        measuredLoadEdit = NewEdit(this, QStringLiteral("measuredLoadEdit"), LoadLimit));
    add(ratedLoadLabel = NewLabel(this, QStringLiteral("ratedLoadLabel")),
        ratedLoadEdit = NewEdit(this, QStringLiteral("ratedLoadEdit"), LoadLimit));
    add(loadPercentLabel = NewLabel(this, QStringLiteral("loadPercentLabel")),
        loadPercentEdit = NewEdit(this, QStringLiteral("loadPercentEdit"), LoadPercentLimit));
    // The buildings template's material condition takes the place of the load percentage.
    materialList = Named(new QComboBox(this), QStringLiteral("materialList"));
    materialList->addItems(
        {LoadAppString(StringId::NoComment), LoadAppString(StringId::Good), LoadAppString(StringId::Poor)});
    fields->addWidget(materialList, row - 1, 1);
    priorityList = Sized(Named(new QComboBox(this), QStringLiteral("priorityList")), 80);
    priorityList->addItem(LoadAppString(StringId::None));
    for (int priority = 1; priority <= 5; ++priority) {
        priorityList->addItem(QString::number(priority));
    }
    fields->addWidget(NewLabel(this, QStringLiteral("priorityLabel"), StringId::RepairPriority), row, 0);
    fields->addLayout(
        Row({priorityList, NewLabel(this, QStringLiteral("priorityScale"), StringId::PriorityScale)}), row, 1);
    fields->setRowStretch(row + 1, 1);

    commentEdit = Named(new cColourEdit(cColourEdit::Lines::Multiple, this), QStringLiteral("commentEdit"));
    commentEdit->SetLimitText(CommentLimit);
    faultEdit = Named(new cColourEdit(cColourEdit::Lines::Multiple, this), QStringLiteral("faultEdit"));
    faultEdit->SetLimitText(FaultLimit);
    for (cColourEdit* edit : {commentEdit, faultEdit}) {
        edit->setMinimumSize(260, 60);
    }
    auto* texts = new QVBoxLayout;
    texts->setSpacing(0);
    texts->addWidget(NewLabel(this, QStringLiteral("commentLabel"), StringId::Comment));
    texts->addWidget(commentEdit, 5);
    texts->addSpacing(Gap);
    texts->addWidget(NewLabel(this, QStringLiteral("faultLabel"), StringId::FaultRecommendedAction));
    texts->addWidget(faultEdit, 6);

    auto* form = new QHBoxLayout;
    form->setContentsMargins(FormMargin, 0, 0, 0);
    form->setSpacing(ColumnGap);
    form->addLayout(fields, 1);
    form->addLayout(texts, 1);
    return form;
}

QLayout* DetailsDlg::BuildDateRows()
{
    QGridLayout* grid = LabelledGrid(100);
    grid->setColumnMinimumWidth(3, 60);
    grid->addWidget(NewLabel(this, QStringLiteral("noDateHeading"), StringId::NoDate), 0, 3, Qt::AlignCenter);
    grid->addWidget(NewLabel(this, QStringLiteral("initialsHeading"), StringId::Initials), 0, 4);
    const unsigned labels[] = {StringId::Inspected, StringId::Repaired, StringId::Reinspected};
    const char* names[] = {"inspected", "repaired", "reinspected"};
    for (int index = 0; index < 3; ++index) {
        DateRow& row = dateRows[size_t(index)];
        const QString name = QLatin1String(names[index]);
        row.label = NewLabel(this, name + QStringLiteral("Label"), labels[index]);
        row.given = Named(new QRadioButton(this), name + QStringLiteral("Given"));
        row.picker = Sized(Named(new QDateTimeEdit(this), name + QStringLiteral("Picker")), 126);
        row.picker->setDisplayFormat(QLocale().dateFormat(QLocale::ShortFormat));
        row.picker->setCalendarPopup(true);
        row.picker->setDateTime(QDateTime::currentDateTime());
        row.noDate = Named(new QRadioButton(this), name + QStringLiteral("NoDate"));
        row.initials = Sized(NewEdit(this, name + QStringLiteral("Initials"), InitialsLimit), 80);
        // The two choices of a row exclude each other, and only each other.
        auto* group = new QButtonGroup(this);
        group->addButton(row.given);
        group->addButton(row.noDate);
        row.noDate->setChecked(true);
        row.picker->setEnabled(false);
        grid->addWidget(row.label, index + 1, 0);
        grid->addWidget(row.given, index + 1, 1);
        grid->addWidget(row.picker, index + 1, 2);
        grid->addWidget(row.noDate, index + 1, 3, Qt::AlignCenter);
        grid->addWidget(row.initials, index + 1, 4);
    }
    return grid;
}

QLayout* DetailsDlg::BuildMeasurementPanel()
{
    QGridLayout* grid = LabelledGrid(MeasureLabelWidth);
    penSizeEdit = Sized(Named(new QSpinBox(this), QStringLiteral("penSizeEdit")), 60);
    penSizeEdit->setRange(1, 9);
    penSizeEdit->setValue(penSize);
    penColourSwatch =
        Sized(Named(new cColourEdit(cColourEdit::Lines::Single, this), QStringLiteral("penColourSwatch")), 60);
    penColourSwatch->setFixedHeight(24);
    penColourSwatch->setReadOnly(true);
    penColourSwatch->SetBkColour(Green);
    changeButton =
        Sized(Named(new QPushButton(LoadAppString(StringId::Change), this), QStringLiteral("changeButton")), 90);
    undoButton = Sized(Named(new QPushButton(LoadAppString(StringId::Undo), this), QStringLiteral("undoButton")), 75);
    clearButton =
        Sized(Named(new QPushButton(LoadAppString(StringId::Clear), this), QStringLiteral("clearButton")), 75);
    grid->addWidget(NewLabel(this, QStringLiteral("penSizeLabel"), StringId::PenSize), 0, 0);
    grid->addLayout(Row({penSizeEdit}), 0, 1);
    grid->addWidget(NewLabel(this, QStringLiteral("penColourLabel"), StringId::PenColour), 1, 0);
    grid->addLayout(Row({penColourSwatch, changeButton}), 1, 1);
    grid->addLayout(Row({undoButton, clearButton}), 2, 1);
    grid->setRowMinimumHeight(3, Gap);

    unitList = Sized(Named(new QComboBox(this), QStringLiteral("unitList")), 80);
    unitList->addItems({QStringLiteral("\u00B0C"), QStringLiteral("\u00B0F"), QStringLiteral("K")});
    unitList->setCurrentIndex(int(Unit()));
    grid->addWidget(NewLabel(this, QStringLiteral("unitLabel"), StringId::TemperatureUnits), 4, 0);
    grid->addLayout(Row({unitList}), 4, 1);

    cursorListA = Sized(Named(new QComboBox(this), QStringLiteral("cursorListA")), 120);
    cursorTempA = Sized(Named(new cColourEdit(cColourEdit::Lines::Single, this), QStringLiteral("cursorTempA")), 100);
    cursorTempA->SetBkColour(Green);
    cursorListB = Sized(Named(new QComboBox(this), QStringLiteral("cursorListB")), 120);
    cursorTempB = Sized(Named(new cColourEdit(cColourEdit::Lines::Single, this), QStringLiteral("cursorTempB")), 100);
    cursorTempB->SetBkColour(Orange);
    for (cColourEdit* field : {cursorTempA, cursorTempB}) {
        field->setReadOnly(true);
        field->setFixedHeight(24);
    }
    differenceEdit = Sized(Named(new QLineEdit(this), QStringLiteral("differenceEdit")), 100);
    differenceEdit->setReadOnly(true);
    grid->addWidget(cursorListA, 5, 0);
    grid->addLayout(Row({cursorTempA}), 5, 1);
    grid->addWidget(cursorListB, 6, 0);
    grid->addLayout(Row({cursorTempB}), 6, 1);
    grid->addWidget(NewLabel(this, QStringLiteral("differenceLabel"), StringId::Difference), 7, 0);
    grid->addLayout(Row({differenceEdit}), 7, 1);
    BuildMeasurementTools();
    return grid;
}

QLayout* DetailsDlg::BuildBuildingFields()
{
    QGridLayout* grid = LabelledGrid(MeasureLabelWidth);
    const unsigned labels[] = {StringId::IndoorTemperature,
                               StringId::OutdoorTemperature,
                               StringId::RelativeHumidity,
                               StringId::WindSpeed,
                               StringId::PressureDifference};
    const char* names[] = {"indoor", "outdoor", "humidity", "wind", "pressure"};
    for (int index = 0; index < 5; ++index) {
        const QString name = QLatin1String(names[index]);
        QLabel* label = NewLabel(this, name + QStringLiteral("Label"), labels[index]);
        buildingEdits[size_t(index)] = Sized(NewEdit(this, name + QStringLiteral("Edit"), LoadLimit), 100);
        QLabel* unitLabel = Sized(NewLabel(this, name + QStringLiteral("Unit")), 60);
        buildingControls[size_t(3 * index)] = label;
        buildingControls[size_t(3 * index + 1)] = buildingEdits[size_t(index)];
        buildingControls[size_t(3 * index + 2)] = unitLabel;
        grid->addWidget(label, index, 0);
        grid->addLayout(Row({buildingEdits[size_t(index)], unitLabel}, Gap), index, 1);
    }
    indoorUnitLabel = qobject_cast<QLabel*>(buildingControls[2]);
    outdoorUnitLabel = qobject_cast<QLabel*>(buildingControls[5]);
    qobject_cast<QLabel*>(buildingControls[8])->setText(QStringLiteral("%"));
    windUnitLabel = qobject_cast<QLabel*>(buildingControls[11]);
    qobject_cast<QLabel*>(buildingControls[14])->setText(QStringLiteral("bar"));
    return grid;
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
