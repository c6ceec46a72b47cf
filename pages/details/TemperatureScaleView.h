#pragma once

#include "output/TemperatureScale.h"
#include "snapshot/MeasurementSettings.h"

#include <QImage>
#include <QWidget>

#include <vector>

class cQVX;

// The temperature scale beside the Inspection Data page's thermal picture: the palette from the
// picture's low (bottom) to its high temperature (top), as tall as the picture, with the
// temperatures in the page's unit beside it.
class TemperatureScaleView : public QWidget
{
    Q_OBJECT

public:
    // How far the view reaches above and below the picture, for the end labels.
    static constexpr int Overhang = 10;

    explicit TemperatureScaleView(QWidget* parent = nullptr);

    // The scale of a decoded snapshot whose unitCode is the page's unit, labelled with `unit`:
    // over the range the settings give it (its own without a manual range).
    void SetScale(cQVX& snapshot, const QString& unit, const MeasurementSettings& settings = {});
    // No picture, no scale.
    void Clear();

    // The labels shown, bottom first; empty while there is no scale.
    QStringList Labels() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage paletteBar;
    std::vector<ScaleMark> marks;
};
