#pragma once

#include "Scene.h"

#include <QImage>
#include <QSize>

// A visual photo of the scene's equipment at any size: the scene's 4:3 view is fitted into the
// photo and centred, so a portrait photo shows more of the surroundings above and below.
QImage PaintScenePhoto(const SceneDescription& scene, QSize size);

// Photo helpers shared by the scenes' decorations (painter in sensor coordinates).
void DrawPhotoLabel(QPainter& painter, const QRectF& area, const QString& text, double height, const QColor& colour);
void DrawScrew(QPainter& painter, QPointF centre, double radius);
