#pragma once

#include "TemperatureScale.h"

#include "snapshot/SnapshotPicture.h"

#include <QFont>
#include <QImage>
#include <QRect>

#include <vector>

class QPainter;
class QPaintDevice;

// Where a temperature scale is drawn: the bar, with ticks of `tickLength` to its left and the
// labels right-aligned `labelGap` before the ticks, not reaching left of `labelLeft`.
struct ScaleGeometry
{
    QRect bar;
    int tickLength = 0;
    int labelGap = 0;
    int labelLeft = 0;
    int lineWidth = 1; // of the bar's frame and the ticks
};

// The palette as a bar of 256 one-pixel rows, the last entry at the top.
QImage PaletteBar(PaletteKind palette);

// `font`, made smaller where needed so that the widest label fits the room left of the ticks.
QFont FittedLabelFont(const QFont& font,
                      const std::vector<ScaleMark>& marks,
                      const ScaleGeometry& geometry,
                      const QPaintDevice* device);

// The label height as a share of the bar's height: how close two labels may come.
double LabelSpacing(const QFont& font, const ScaleGeometry& geometry, const QPaintDevice* device);

// Draws the bar in its frame, a tick at every mark and the mark's text beside it, vertically
// centred on the tick, in the painter's font and pen colour.
void DrawTemperatureScale(QPainter& painter,
                          const ScaleGeometry& geometry,
                          const QImage& paletteBar,
                          const std::vector<ScaleMark>& marks);
