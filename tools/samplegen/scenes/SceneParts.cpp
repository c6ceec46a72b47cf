#include "SceneParts.h"

ScenePart Box(QRectF area, double temperature, QColor colour, double edge)
{
    ScenePart part;
    part.area = area;
    part.temperature = temperature;
    part.edge = edge;
    part.colour = colour;
    return part;
}

ScenePart GradedBox(QRectF area, double top, double bottom, QColor colour)
{
    ScenePart part = Box(area, top, colour);
    part.bottomTemperature = bottom;
    return part;
}

ScenePart Disc(QRectF area, double temperature, QColor colour)
{
    ScenePart part = Box(area, temperature, colour);
    part.shape = PartShape::Disc;
    return part;
}

ScenePart Hidden(ScenePart part)
{
    part.inPhoto = false;
    return part;
}
