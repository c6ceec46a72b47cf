#include "SnapshotPicture.h"

#include "BitmapRows.h"
#include "cQVX.h"

namespace {

QImage PictureOfRows(const quint8* rows)
{
    if (!rows) {
        return {};
    }
    return PictureFromBitmapRows(rows, cQVX::Width, cQVX::Height, qsizetype(cQVX::Width) * 3, QImage::Format_RGB888);
}

} // namespace

PaletteKind PaletteKindFor(const cQVX& snapshot)
{
    if (snapshot.paletteCode == snapshot.greyCode) {
        return PaletteKind::Grey;
    }
    if (snapshot.paletteCode == snapshot.rainbowCode) {
        return PaletteKind::Rainbow;
    }
    if (snapshot.paletteCode == snapshot.highContrastCode) {
        return PaletteKind::HighContrast;
    }
    return PaletteKind::Ironbow;
}

std::unique_ptr<cColourPalette> MakePalette(PaletteKind kind)
{
    switch (kind) {
    case PaletteKind::Grey:
        return std::make_unique<cGreyLookup>();
    case PaletteKind::Rainbow:
        return std::make_unique<cRainbowLookup>();
    case PaletteKind::HighContrast:
        return std::make_unique<cHighContrastLookup>();
    case PaletteKind::Ironbow:
        break;
    }
    return std::make_unique<cIronbowLookup>();
}

void WidenToMinimumSpan(int& low, int& high)
{
    const int missing = MinimumAutomaticSpan - (high - low);
    if (missing <= 0) {
        return;
    }
    // The centre (low + high) / 2 lands on entry 127 of 0..255, the palette's middle.
    low -= missing / 2;
    high = low + MinimumAutomaticSpan;
}

void ColourRangeFor(const cQVX& snapshot, int& low, int& high)
{
    low = snapshot.displayLow;
    high = snapshot.displayHigh;
    // A range the camera recorded is its user's choice and is shown as given.
    if (low == 0 && high == 0) {
        snapshot.AutoDisplayRange(low, high);
        WidenToMinimumSpan(low, high);
    }
}

const quint8* RenderBitmapRows(cQVX& snapshot)
{
    if (!snapshot.valid || (snapshot.Raw().empty() && !snapshot.LoadPixels(cQVX::Width, cQVX::Height))) {
        return nullptr;
    }
    int low = 0;
    int high = 0;
    ColourRangeFor(snapshot, low, high);
    return RenderBitmapRowsInRange(snapshot, low, high);
}

const quint8* RenderBitmapRowsInRange(cQVX& snapshot, double low, double high)
{
    if (!snapshot.valid) {
        return nullptr;
    }
    snapshot.SetPalette(*MakePalette(PaletteKindFor(snapshot)));
    return snapshot.Render(cQVX::Width, cQVX::Height, 1, low, high);
}

QImage RenderPicture(cQVX& snapshot)
{
    return PictureOfRows(RenderBitmapRows(snapshot));
}

QImage RenderPictureInRange(cQVX& snapshot, double low, double high)
{
    return PictureOfRows(RenderBitmapRowsInRange(snapshot, low, high));
}
