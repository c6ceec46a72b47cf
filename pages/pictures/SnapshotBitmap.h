#pragma once

#include "DibImage.h"

#include <QString>

// Renders the snapshot file at path into a 160 x 120 colour bitmap in its own palette and
// colour range. False when the file cannot be loaded or is not a valid snapshot; then target
// is unchanged. A snapshot that loads but renders nothing also leaves target unchanged.
bool RenderSnapshotBitmap(const QString& path, DibImage& target);
