#include "pages/details/MeasurementControls.h"

#include "app/gui/MessageBox.h"
#include "app/strings/StringIds.h"
#include "app/strings/StringSource.h"
#include "pages/details/MeasurementText.h"
#include "snapshot/SnapshotUnit.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>

#include <cmath>

namespace {

constexpr int TemperatureDecimals = 1;

double Rounded(double value, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    return std::round(value * scale) / scale;
}

// A temperature field in the page's unit between two limits kept in kelvin.
void SetTemperatureRange(QDoubleSpinBox* edit, double lowKelvin, double highKelvin, TemperatureUnit unit)
{
    edit->setRange(Rounded(FromKelvin(lowKelvin, unit), TemperatureDecimals),
                   Rounded(FromKelvin(highKelvin, unit), TemperatureDecimals));
    edit->setSuffix(QLatin1Char(' ') + UnitSuffix(unit));
}

void SetValue(QDoubleSpinBox* edit, double value)
{
    const QSignalBlocker quiet(edit);
    edit->setValue(value);
}

QDoubleSpinBox* TemperatureEdit(QWidget* parent, const QString& objectName)
{
    auto* edit = new QDoubleSpinBox(parent);
    edit->setObjectName(objectName);
    edit->setDecimals(TemperatureDecimals);
    edit->setSingleStep(0.1);
    return edit;
}

} // namespace

MeasurementControls::MeasurementControls(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("measurementControls"));
    BuildControls();
    ShowNothing();
}

void MeasurementControls::BuildControls()
{
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(6);
    grid->setColumnMinimumWidth(0, 134);

    emissivityEdit = new QDoubleSpinBox(this);
    emissivityEdit->setObjectName(QStringLiteral("emissivityEdit"));
    emissivityEdit->setDecimals(2);
    emissivityEdit->setRange(double(MeasurementSettings::MinEmissivity), double(MeasurementSettings::MaxEmissivity));
    emissivityEdit->setSingleStep(0.01);
    reflectedEdit = TemperatureEdit(this, QStringLiteral("reflectedEdit"));
    cameraValuesButton = new QPushButton(LoadAppString(StringId::CameraValues), this);
    cameraValuesButton->setObjectName(QStringLiteral("cameraValuesButton"));
    paletteList = new QComboBox(this);
    paletteList->setObjectName(QStringLiteral("paletteList"));
    // In the order of PaletteKind.
    paletteList->addItems({LoadAppString(StringId::GreyPalette),
                           LoadAppString(StringId::IronbowPalette),
                           LoadAppString(StringId::RainbowPalette),
                           LoadAppString(StringId::HighContrastPalette)});
    rangeList = new QComboBox(this);
    rangeList->setObjectName(QStringLiteral("rangeList"));
    rangeList->addItems({LoadAppString(StringId::AutomaticRange), LoadAppString(StringId::ManualRange)});
    rangeLowEdit = TemperatureEdit(this, QStringLiteral("rangeLowEdit"));
    rangeHighEdit = TemperatureEdit(this, QStringLiteral("rangeHighEdit"));
    // The ends are taken when typed out (Enter, leaving the field) or stepped, not digit by digit:
    // on the way to its value a typed end would often lie beyond the other.
    rangeLowEdit->setKeyboardTracking(false);
    rangeHighEdit->setKeyboardTracking(false);

    const auto label = [this](unsigned id, QWidget* buddy) {
        auto* text = new QLabel(LoadAppString(id), this);
        text->setBuddy(buddy);
        return text;
    };
    grid->addWidget(label(StringId::Emissivity, emissivityEdit), 0, 0);
    grid->addWidget(emissivityEdit, 0, 1);
    grid->addWidget(cameraValuesButton, 0, 2);
    grid->addWidget(label(StringId::ReflectedTemp, reflectedEdit), 1, 0);
    grid->addWidget(reflectedEdit, 1, 1);
    grid->addWidget(label(StringId::Palette, paletteList), 2, 0);
    grid->addWidget(paletteList, 2, 1, 1, 2);
    grid->addWidget(label(StringId::ColourRange, rangeList), 3, 0);
    grid->addWidget(rangeList, 3, 1, 1, 2);
    grid->addWidget(label(StringId::RangeLowHigh, rangeLowEdit), 4, 0);
    grid->addWidget(rangeLowEdit, 4, 1);
    grid->addWidget(rangeHighEdit, 4, 2);

    connect(emissivityEdit, &QDoubleSpinBox::valueChanged, this, &MeasurementControls::TakeEmissivity);
    connect(reflectedEdit, &QDoubleSpinBox::valueChanged, this, &MeasurementControls::TakeReflected);
    connect(cameraValuesButton, &QPushButton::clicked, this, &MeasurementControls::UseCameraValues);
    connect(paletteList, &QComboBox::activated, this, &MeasurementControls::TakePalette);
    connect(rangeList, &QComboBox::activated, this, &MeasurementControls::TakeRangeKind);
    connect(rangeLowEdit, &QDoubleSpinBox::valueChanged, this, &MeasurementControls::TakeRangeEnds);
    connect(rangeHighEdit, &QDoubleSpinBox::valueChanged, this, &MeasurementControls::TakeRangeEnds);
}

void MeasurementControls::Show(const CameraMeasurement& cameraValues,
                               const MeasurementSettings& settings,
                               TemperatureUnit shownUnit)
{
    camera = cameraValues;
    shown = settings;
    unit = shownUnit;
    setEnabled(true);
    SetValue(emissivityEdit, settings.emissivity ? double(*settings.emissivity) : camera.emissivityPercent / 100.0);
    SetTemperatureRange(
        reflectedEdit, MeasurementSettings::MinReflectedKelvin, MeasurementSettings::MaxReflectedKelvin, unit);
    SetValue(reflectedEdit,
             FromKelvin(settings.reflectedKelvin ? double(*settings.reflectedKelvin) : camera.reflectedKelvin, unit));
    paletteList->setCurrentIndex(int(settings.palette.value_or(camera.palette)));
    cameraValuesButton->setEnabled(settings.emissivity || settings.reflectedKelvin);
    ShowRange();
}

void MeasurementControls::ShowNothing()
{
    shown = {};
    for (QDoubleSpinBox* edit : {emissivityEdit, reflectedEdit, rangeLowEdit, rangeHighEdit}) {
        const QSignalBlocker quiet(edit);
        edit->clear();
    }
    paletteList->setCurrentIndex(-1);
    rangeList->setCurrentIndex(-1);
    setEnabled(false);
}

void MeasurementControls::ShowRange()
{
    const bool manual = shown.manualRange.has_value();
    rangeList->setCurrentIndex(manual ? 1 : 0);
    for (QDoubleSpinBox* edit : {rangeLowEdit, rangeHighEdit}) {
        SetTemperatureRange(edit, MeasurementSettings::MinRangeKelvin, MeasurementSettings::MaxRangeKelvin, unit);
        edit->setEnabled(manual);
    }
    // Automatic shows the ends the program chose, so that "Manual" starts from what is seen.
    SetValue(rangeLowEdit, FromKelvin(manual ? shown.manualRange->lowKelvin : camera.rangeLowKelvin, unit));
    SetValue(rangeHighEdit, FromKelvin(manual ? shown.manualRange->highKelvin : camera.rangeHighKelvin, unit));
}

void MeasurementControls::TakeEmissivity()
{
    MeasurementSettings edited = shown;
    const int percent = int(std::lround(emissivityEdit->value() * 100.0));
    // Typing the camera's own value back is the camera's value again, not a correction.
    edited.emissivity =
        percent == camera.emissivityPercent ? std::nullopt : std::optional<float>(float(percent) / 100.0f);
    Emit(edited, MeasurementField::Emissivity);
}

void MeasurementControls::TakeReflected()
{
    MeasurementSettings edited = shown;
    const double typed = reflectedEdit->value();
    const double cameraShown = Rounded(FromKelvin(camera.reflectedKelvin, unit), TemperatureDecimals);
    edited.reflectedKelvin =
        std::abs(typed - cameraShown) < 0.05 ? std::nullopt : std::optional<float>(float(ToKelvin(typed, unit)));
    Emit(edited, MeasurementField::Reflected);
}

void MeasurementControls::TakePalette()
{
    MeasurementSettings edited = shown;
    const auto chosen = PaletteKind(paletteList->currentIndex());
    edited.palette = chosen == camera.palette ? std::nullopt : std::optional<PaletteKind>(chosen);
    Emit(edited, MeasurementField::Palette);
}

void MeasurementControls::TakeRangeKind()
{
    MeasurementSettings edited = shown;
    if (rangeList->currentIndex() == 1) {
        if (!edited.manualRange) {
            edited.manualRange = ManualColourRange {float(camera.rangeLowKelvin), float(camera.rangeHighKelvin)};
        }
    } else {
        edited.manualRange.reset();
    }
    Emit(edited, MeasurementField::Range);
}

void MeasurementControls::TakeRangeEnds()
{
    if (!shown.manualRange) {
        return;
    }
    const double low = rangeLowEdit->value();
    const double high = rangeHighEdit->value();
    if (!(low < high)) {
        // The ends stay as they were; the message says why.
        ShowRange();
        MessageBoxId(StringId::RangeLowBelowHigh, IconExclamation, ButtonsOk);
        return;
    }
    // An end left as it reads keeps every digit it had.
    const auto kelvin = [this](double typed, float before) {
        return Rounded(FromKelvin(before, unit), TemperatureDecimals) == typed ? before : float(ToKelvin(typed, unit));
    };
    MeasurementSettings edited = shown;
    edited.manualRange =
        ManualColourRange {kelvin(low, shown.manualRange->lowKelvin), kelvin(high, shown.manualRange->highKelvin)};
    Emit(edited, MeasurementField::Range);
}

void MeasurementControls::UseCameraValues()
{
    MeasurementSettings edited = shown;
    edited.emissivity.reset();
    edited.reflectedKelvin.reset();
    Emit(edited, MeasurementField::CameraValues);
}

void MeasurementControls::Emit(const MeasurementSettings& edited, MeasurementField field)
{
    if (edited == shown) {
        return;
    }
    shown = edited;
    cameraValuesButton->setEnabled(shown.emissivity || shown.reflectedKelvin);
    emit SettingsEdited(edited, field);
}
