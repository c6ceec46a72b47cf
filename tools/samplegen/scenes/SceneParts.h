#pragma once

#include "tools/samplegen/Scene.h"

// Short-hands the scene builders use to list their surfaces.
ScenePart Box(QRectF area, double temperature, QColor colour, double edge = 1.0);
ScenePart GradedBox(QRectF area, double top, double bottom, QColor colour);
ScenePart Disc(QRectF area, double temperature, QColor colour);
// A surface only the thermal image shows.
ScenePart Hidden(ScenePart part);
