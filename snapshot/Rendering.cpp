#include "cQVX.h"

#include "PixelBufferStock.h"

void cQVX::SetPalette(const cColourPalette& source)
{
    palette.red = source.red;
    palette.green = source.green;
    palette.blue = source.blue;
}

// The system shows snapshots at sensor size and scales the finished picture, so only factor 1
// is offered, where the upscaled image is the raw array itself and nothing needs copying.
const std::vector<qint32>* cQVX::Upscale(int width, int height, int factor)
{
    if (!valid || raw.size() != std::size_t(PixelCount) || width != Width || height != Height || factor != 1) {
        return nullptr;
    }
    return &raw;
}

// Maps raw values from low (entry 0) to high (entry 255) onto the palette. A range turned
// upside down (high below low) gives the palette reversed. An empty range (high equal to low)
// has no slope: values up to low take entry 0 and values above it entry 255.
const quint8* cQVX::Render(int width, int height, int factor, double low, double high)
{
    if (!valid || width != Width || height != Height || factor != 1) {
        return nullptr;
    }
    if (raw.empty() && !LoadPixels(width, height)) {
        return nullptr;
    }
    const std::vector<qint32>* scaled = Upscale(width, height, factor);
    if (!scaled) {
        return nullptr;
    }
    const double span = high - low;
    const double step = span != 0.0 ? 255.0 / span : 0.0;
    if (rgb.empty()) {
        rgb = TakePixelBuffer<quint8>(std::size_t(PixelCount) * 3);
    }
    quint8* out = rgb.data();
    for (const qint32 value : *scaled) {
        const double offset = double(value) - low;
        // Clamped in floating point before any conversion, so no value can overflow the int.
        const double position = step != 0.0 ? offset * step : (offset > 0.0 ? 255.0 : 0.0);
        const int entry = position <= 0.0 ? 0 : position >= 255.0 ? 255 : int(position);
        *out++ = palette.blue[entry];
        *out++ = palette.green[entry];
        *out++ = palette.red[entry];
    }
    return rgb.data();
}
