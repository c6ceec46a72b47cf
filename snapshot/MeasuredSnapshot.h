#pragma once

#include "MeasurementSettings.h"
#include "SnapshotPicture.h"

#include <QImage>

class cQVX;
class QPainter;
class QString;

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

// Loads the snapshot at `path`, decodes its pixels and applies the settings: the one way an
// inspection's snapshot is read wherever its temperatures are shown, printed or exported.
// False when the file cannot be read, is not a valid snapshot or has no pixels.
bool LoadMeasuredSnapshot(cQVX& snapshot, const QString& path, const MeasurementSettings& settings);

// The cursors an inspection offers, numbered from 1: the camera's markers first, then the
// thermographer's spots.
int CursorCount(const cQVX& snapshot, const MeasurementSettings& settings);

// The temperature at cursor `cursor` (1-based); 0 for a cursor the inspection does not offer.
float CursorTemperature(const cQVX& snapshot, const MeasurementSettings& settings, int cursor);

// Draws cursor `cursor`'s cross in its number's colours; nothing for a cursor not offered.
void DrawCursor(
    QPainter* painter, const QRect& target, const cQVX& snapshot, const MeasurementSettings& settings, int cursor);

// Draws every spot in its cursor's colours and every box with its hottest pixel.
void DrawSpotsAndBoxes(QPainter* painter,
                       const QRect& target,
                       const cQVX& snapshot,
                       const MeasurementSettings& settings);
