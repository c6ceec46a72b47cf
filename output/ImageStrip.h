#pragma once

#include "pages/pictures/Picture.h"

#include <QImage>
#include <QPoint>
#include <QRect>

#include <optional>

class QPainter;
class cQVX;
struct InspectionSelection;

// The pictures of an inspection page: the thermal snapshot (left half) and the visual image
// (right half) of a 522 x 200 strip, with the pen strokes over both, scaled 3.5 times onto the
// page at (326, 1200). Each picture is drawn from its own pixels into its place; markers and
// strokes are drawn as lines, so nothing is rasterised at strip resolution.
namespace ImageStrip {

constexpr int Width = 522;
constexpr int Height = 200;
constexpr double Scale = 3.5;
constexpr QPoint PageOrigin {326, 1200};
constexpr QRect ThermalHalf {0, 0, 261, 200};
constexpr QRect VisualHalf {261, 0, 261, 200};

// The page rectangle of a strip rectangle.
QRect OnPage(const QRect& stripRect);

// The largest size a visual image is decoded at: its half of the strip on the page.
QSize VisualDecodeSize();

// `snapshot` is loaded and decoded with its picture rendered, or null when it could not be
// loaded; `thermal` its picture. `notice` is shown in the thermal half when there is none.
// `visual` is the decoded visual image of the selection, if it loaded.
void Draw(QPainter& painter,
          const cQVX* snapshot,
          const QImage& thermal,
          int cursorA,
          int cursorB,
          const InspectionSelection& selection,
          const std::optional<Picture>& visual,
          const QString& notice);

} // namespace ImageStrip
