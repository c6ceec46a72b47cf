#pragma once

#include "MeasurementSettings.h"
#include "SnapshotPicture.h"

#include <QImage>

class cQVX;

// Makes the loaded snapshot measure with the settings' emissivity, reflected temperature and
// palette where they are present, so every temperature and picture taken from it afterwards
// (ToTemperature, MarkerTemperature, RenderPicture) follows them. Values outside the limits are
// clamped to what the snapshot can hold.
void ApplyCorrection(cQVX& snapshot, const MeasurementSettings& settings);

// The raw values (between levels where needed) that take the first and the last palette entry:
// the manual range's ends turned back through the snapshot's temperature curve, or the
// snapshot's own range (ColourRangeFor) without one. The pixels must be decoded.
void MeasuredColourRange(cQVX& snapshot, const MeasurementSettings& settings, double& low, double& high);

// RenderPicture with the settings applied (ApplyCorrection first) and over MeasuredColourRange;
// with neither palette nor range set, exactly RenderPicture's picture.
QImage RenderMeasuredPicture(cQVX& snapshot, const MeasurementSettings& settings);

// The temperature (in the unit unitCode names) at a point of the picture as shown, from the
// smoothed values the camera's markers read; 0 outside the picture or before decoding.
float SpotTemperature(const cQVX& snapshot, QPoint shown);

// Statistics of the per-pixel temperatures inside the box (as shown), clipped to the picture;
// nothing for a box outside it or before decoding.
std::optional<BoxStatistics> MeasureBox(const cQVX& snapshot, QRect shown);
