#include "pages/details/TemperatureScaleView.h"

#include "output/ScaleDrawing.h"
#include "snapshot/SnapshotPicture.h"

#include <QPainter>

namespace {

// In the view's coordinates: the bar lines up with the inside of the image strip beside it.
constexpr int Overhang = TemperatureScaleView::Overhang;
// The labels are spaced for the strip's stored height; a taller bar spreads the same labels.
constexpr int LabelledHeight = 200;

ScaleGeometry Geometry(int barHeight)
{
    return {QRect(92, Overhang, 10, barHeight), 5, 3, 0, 1};
}

QFont LabelFont(const QWidget& view)
{
    QFont font = view.font();
    font.setPixelSize(11);
    return font;
}

} // namespace

TemperatureScaleView::TemperatureScaleView(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TemperatureScaleView::SetScale(cQVX& snapshot, const QString& unit, const MeasurementSettings& settings)
{
    paletteBar = PaletteBar(PaletteKindFor(snapshot));
    marks = ScaleMarks(snapshot,
                       MeasuredTemperatureScale(snapshot, settings),
                       unit,
                       LabelSpacing(LabelFont(*this), Geometry(LabelledHeight), this));
    update();
}

void TemperatureScaleView::Clear()
{
    paletteBar = QImage();
    marks.clear();
    update();
}

QStringList TemperatureScaleView::Labels() const
{
    QStringList labels;
    for (const ScaleMark& mark : marks) {
        labels << mark.text;
    }
    return labels;
}

void TemperatureScaleView::paintEvent(QPaintEvent*)
{
    if (paletteBar.isNull()) {
        return;
    }
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    const ScaleGeometry geometry = Geometry(height() - 2 * Overhang);
    painter.setFont(FittedLabelFont(LabelFont(*this), marks, geometry, this));
    DrawTemperatureScale(painter, geometry, paletteBar, marks);
}
