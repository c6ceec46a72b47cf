#pragma once

#include "ColourPalette.h"
#include "PaletteKind.h"

#include <QImage>

#include <memory>

class cQVX;

// The one sequence every view of a snapshot uses to turn it into a false-colour picture.

// The palette the camera used, read through the snapshot's version-dependent code table;
// unknown codes fall back to ironbow.
PaletteKind PaletteKindFor(const cQVX& snapshot);

std::unique_ptr<cColourPalette> MakePalette(PaletteKind kind);

// The fewest raw levels the automatic colour range spans: 255 levels give one palette entry per
// level. A scene of one temperature collapses the automatic range onto a single level (or turns
// it over); widened to this span around its centre, its noise of a few levels stays within a few
// entries of the palette's middle instead of flipping between the first and last colour.
inline constexpr int MinimumAutomaticSpan = 255;

// Widens a range narrower than MinimumAutomaticSpan (a turned-over one included) to exactly that
// span around its centre, low below high; a wider range is left as it is.
void WidenToMinimumSpan(int& low, int& high);

// The file's colour range, or the automatic range (widened to the minimum span) when the file
// gives 0 to 0. The snapshot's pixels must be decoded for the automatic range. Every picture of a
// snapshot takes its range from here.
void ColourRangeFor(const cQVX& snapshot, int& low, int& high);

// The snapshot rendered in its own palette over its colour range, as Render gives it: a bottom-up
// bitmap of 160 x 120 blue, green, red pixels, raw row 0 first, owned by the snapshot until its next
// Render. Every picture of a snapshot is converted once from these rows. Decodes the pixels if
// needed; nullptr when the snapshot is not valid or has no pixels.
const quint8* RenderBitmapRows(cQVX& snapshot);

// The same rows over the raw range `low` (palette entry 0) to `high` (entry 255), whose ends may
// lie between raw levels.
const quint8* RenderBitmapRowsInRange(cQVX& snapshot, double low, double high);

// The 160 x 120 picture of a loaded, valid snapshot, raw row 0 at the bottom, so that a marker
// at (x, y) shows 159 - x pixels from the left and y from the top. Decodes the pixels if needed.
// A null image when the snapshot is not valid or has no pixels.
QImage RenderPicture(cQVX& snapshot);

// The same picture over the raw range `low` (palette entry 0) to `high` (entry 255), whose ends
// may lie between raw levels; a range equal to the snapshot's own gives RenderPicture's picture.
QImage RenderPictureInRange(cQVX& snapshot, double low, double high);
