#include "pages/details/TemperatureScaleView.h"

#include "output/ScaleDrawing.h"
#include "snapshot/SnapshotPicture.h"

#include <QPainter>

namespace {

// In the view's coordinates: the bar lines up with the inside of the image strip beside it.
ScaleGeometry Geometry()
{
    return {QRect(92, 10, 10, 200), 5, 3, 0, 1};
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
    marks = ScaleMarks(
        snapshot, MeasuredTemperatureScale(snapshot, settings), unit, LabelSpacing(LabelFont(*this), Geometry(), this));
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
    painter.setFont(FittedLabelFont(LabelFont(*this), marks, Geometry(), this));
    DrawTemperatureScale(painter, Geometry(), paletteBar, marks);
}
