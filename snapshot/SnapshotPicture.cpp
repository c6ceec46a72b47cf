#include "SnapshotPicture.h"

#include "cQVX.h"

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

QImage RenderPicture(cQVX& snapshot)
{
    if (!snapshot.valid || (snapshot.Raw().empty() && !snapshot.LoadPixels(cQVX::Width, cQVX::Height))) {
        return {};
    }
    int low = 0;
    int high = 0;
    ColourRangeFor(snapshot, low, high);
    return RenderPictureInRange(snapshot, low, high);
}

QImage RenderPictureInRange(cQVX& snapshot, double low, double high)
{
    if (!snapshot.valid) {
        return {};
    }
    snapshot.SetPalette(*MakePalette(PaletteKindFor(snapshot)));
    if (snapshot.Raw().empty() && !snapshot.LoadPixels(cQVX::Width, cQVX::Height)) {
        return {};
    }
    snapshot.Upscale(cQVX::Width, cQVX::Height, 1);
    const quint8* bgr = snapshot.Render(cQVX::Width, cQVX::Height, 1, low, high);
    if (!bgr) {
        return {};
    }
    QImage picture(cQVX::Width, cQVX::Height, QImage::Format_RGB888);
    if (picture.isNull()) {
        return {};
    }
    // Rendered rows run bottom-up: raw row 0 is the picture's last line.
    for (int row = 0; row < cQVX::Height; ++row) {
        const quint8* source = bgr + std::size_t(row) * cQVX::Width * 3;
        uchar* line = picture.scanLine(cQVX::Height - 1 - row);
        for (int column = 0; column < cQVX::Width; ++column) {
            line[3 * column] = source[3 * column + 2];
            line[3 * column + 1] = source[3 * column + 1];
            line[3 * column + 2] = source[3 * column];
        }
    }
    return picture;
}
