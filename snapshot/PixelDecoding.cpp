#include "cQVX.h"

#include "ByteView.h"
#include "PixelBufferStock.h"

#include <algorithm>

namespace {
constexpr int W = cQVX::Width;
constexpr int H = cQVX::Height;

qint32& At(std::vector<qint32>& image, int row, int column)
{
    return image[std::size_t(row) * W + column];
}

// Steps 1 and 2: the sensor delivers each row rotated left by three places. A pixel block
// shorter than the image leaves the missing values at 0.
void DecodeShiftedRows(const QByteArray& pixelBytes, std::vector<qint32>& image)
{
    constexpr int shift = 3;
    const ByteView view(pixelBytes, ByteOrder::Big);
    const qint64 samples = std::min<qint64>(view.Size() / 2, cQVX::PixelCount);
    // The block is checked once; each sample is then read straight from it.
    const auto block = view.Slice(0, 2 * samples);
    const auto* bytes = reinterpret_cast<const uchar*>(block->data());
    for (qint64 k = 0; k < samples; ++k) {
        image[std::size_t(k)] = qFromBigEndian<qint16>(bytes + 2 * k);
    }
    std::fill(image.begin() + samples, image.end(), 0);
    for (int row = 0; row < H; ++row) {
        qint32* line = &At(image, row, 0);
        std::rotate(line, line + shift, line + W);
    }
}

// Steps 3 to 6: the first column, the last row and the three rotated-in columns carry no
// usable signal and are repaired from their neighbours.
void RepairEdges(std::vector<qint32>& image)
{
    for (int row = 0; row < H; ++row) {
        At(image, row, 0) = At(image, row, 1);
    }
    std::copy_n(&At(image, H - 2, 0), W, &At(image, H - 1, 0));
    for (int column = W - 3; column < W; ++column) {
        At(image, 0, column) = At(image, 1, column);
    }
    At(image, 60, W - 3) = At(image, 61, W - 3);
    for (int row = 0; row <= H - 2; ++row) {
        for (int column = W - 3; column < W; ++column) {
            At(image, row, column) = At(image, row + 1, column);
        }
    }
}

// Step 7: the sensor reads right to left.
void MirrorRows(std::vector<qint32>& image)
{
    for (int row = 0; row < H; ++row) {
        std::reverse(&At(image, row, 0), &At(image, row, 0) + W);
    }
}
} // namespace

bool cQVX::LoadPixels(int width, int height)
{
    ReturnPixelBuffer(raw);
    ReturnPixelBuffer(smoothed);
    if (width != Width || height != Height || pixelBytes.isEmpty()) {
        return false;
    }
    raw = TakePixelBuffer<qint32>(PixelCount);
    DecodeShiftedRows(pixelBytes, raw);
    RepairEdges(raw);
    MirrorRows(raw);
    Smooth(width, height);
    return true;
}

// 2 x 2 box average toward the right and downward; the last row and column average what exists.
// Raw values are 16-bit samples, so a sum of four cannot overflow an int.
void cQVX::Smooth(int width, int height)
{
    if (width != Width || height != Height || raw.size() != std::size_t(PixelCount)) {
        return;
    }
    if (smoothed.empty()) {
        smoothed = TakePixelBuffer<qint32>(PixelCount);
    }
    // Integer division truncates toward zero, as dividing in double and truncating would.
    for (int row = 0; row < H - 1; ++row) {
        const qint32* line = &raw[std::size_t(row) * W];
        const qint32* below = line + W;
        qint32* out = &smoothed[std::size_t(row) * W];
        for (int column = 0; column < W - 1; ++column) {
            out[column] = (line[column] + line[column + 1] + below[column] + below[column + 1]) / 4;
        }
        out[W - 1] = (line[W - 1] + below[W - 1]) / 2;
    }
    const qint32* last = &raw[std::size_t(H - 1) * W];
    qint32* out = &smoothed[std::size_t(H - 1) * W];
    for (int column = 0; column < W - 1; ++column) {
        out[column] = (last[column] + last[column + 1]) / 2;
    }
    out[W - 1] = last[W - 1];
}
