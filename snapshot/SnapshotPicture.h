#pragma once

#include "ColourPalette.h"

#include <QImage>

#include <memory>

class cQVX;

// The one sequence every view of a snapshot uses to turn it into a false-colour picture.

enum class PaletteKind { Grey, Ironbow, Rainbow, HighContrast };

// The palette the camera used, read through the snapshot's version-dependent code table;
// unknown codes fall back to ironbow.
PaletteKind PaletteKindFor(const cQVX& snapshot);

std::unique_ptr<cColourPalette> MakePalette(PaletteKind kind);

// The file's colour range, or the automatic range when the file gives 0 to 0. The snapshot's
// pixels must be decoded for the automatic range.
void ColourRangeFor(const cQVX& snapshot, int& low, int& high);

// The 160 x 120 picture of a loaded, valid snapshot, raw row 0 at the bottom, so that a marker
// at (x, y) shows 159 - x pixels from the left and y from the top. Decodes the pixels if needed.
// A null image when the snapshot is not valid or has no pixels.
QImage RenderPicture(cQVX& snapshot);

// The same picture over the raw range `low` (palette entry 0) to `high` (entry 255), whose ends
// may lie between raw levels; a range equal to the snapshot's own gives RenderPicture's picture.
QImage RenderPictureInRange(cQVX& snapshot, double low, double high);
