#pragma once

#include "snapshot/MeasurementSettings.h"
#include "snapshot/TemperatureUnit.h"

#include <QWidget>

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;

// What changed in the measurement controls, so that the steps of one field are undone together.
enum class MeasurementField { Emissivity, Reflected, Palette, Range, CameraValues };

// The camera's own measurement values of the shown snapshot, as the controls offer them back.
struct CameraMeasurement
{
    int emissivityPercent = 100;
    double reflectedKelvin = 273.15;
    PaletteKind palette = PaletteKind::Ironbow;
    // The automatic colour range, in kelvin: where "Manual" starts from.
    double rangeLowKelvin = 273.15;
    double rangeHighKelvin = 373.15;
};

// The Inspection Data page's measurement parameters of the shown inspection: emissivity and
// reflected temperature (the camera's until changed, "Camera values" goes back), the palette and
// the colour range, automatic or a manual low and high. Temperatures are typed in the page's unit
// and kept in kelvin. The controls hold no inspection: they show settings and hand edited ones on.
class MeasurementControls : public QWidget
{
    Q_OBJECT

public:
    explicit MeasurementControls(QWidget* parent = nullptr);

    // Shows the settings over the camera's values, temperatures in `unit` (0 °C, 1 °F, 2 K).
    void Show(const CameraMeasurement& camera, const MeasurementSettings& settings, TemperatureUnit unit);
    // No snapshot: empty and disabled.
    void ShowNothing();

signals:
    // The user changed a value: the settings as they are now, spots and boxes untouched.
    void SettingsEdited(const MeasurementSettings& settings, MeasurementField field);

private:
    void BuildControls();
    void TakeEmissivity();
    void TakeReflected();
    void TakePalette();
    void TakeRangeKind();
    void TakeRangeEnds();
    void UseCameraValues();
    void ShowRange();
    void Emit(const MeasurementSettings& edited, MeasurementField field);

    CameraMeasurement camera;
    MeasurementSettings shown;
    TemperatureUnit unit = TemperatureUnit::Celsius;

    QDoubleSpinBox* emissivityEdit = nullptr;
    QDoubleSpinBox* reflectedEdit = nullptr;
    QPushButton* cameraValuesButton = nullptr;
    QComboBox* paletteList = nullptr;
    QComboBox* rangeList = nullptr;
    QDoubleSpinBox* rangeLowEdit = nullptr;
    QDoubleSpinBox* rangeHighEdit = nullptr;
};
