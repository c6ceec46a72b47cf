#include "cQVX.h"

#include "ByteView.h"

#include <algorithm>

namespace {
constexpr int W = cQVX::Width;
constexpr int H = cQVX::Height;

qint32& At(std::vector<qint32>& image, int row, int column)
{
    return image[std::size_t(row) * W + column];
}

// Steps 1 and 2: the sensor delivers each row rotated by three places. A pixel block shorter
// than the full image leaves the missing values at 0.
void DecodeShiftedRows(const QByteArray& pixelBytes, std::vector<qint32>& image)
{
    const ByteView view(pixelBytes, ByteOrder::Big);
    const auto sample = [&](int k) { return qint32(view.Read<qint16>(2 * qint64(k)).value_or(0)); };
    for (int row = 0; row < H; ++row) {
        for (int column = 0; column < W; ++column) {
            At(image, row, column) = sample(row * W + (column + 3) % W);
        }
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
    raw = {};
    smoothed = {};
    scaled = {};
    if (width != Width || height != Height || pixelBytes.isEmpty()) {
        return false;
    }
    raw.resize(PixelCount);
    DecodeShiftedRows(pixelBytes, raw);
    RepairEdges(raw);
    MirrorRows(raw);
    Smooth(width, height);
    return true;
}

// 2 x 2 box average toward the right and downward; the last row and column average what exists.
void cQVX::Smooth(int width, int height)
{
    if (width != Width || height != Height || raw.size() != std::size_t(PixelCount)) {
        return;
    }
    smoothed.resize(PixelCount);
    for (int row = 0; row < H; ++row) {
        const bool below = row <= H - 2;
        for (int column = 0; column < W; ++column) {
            const bool right = column <= W - 2;
            const std::size_t index = std::size_t(row) * W + column;
            qint64 sum = raw[index];
            int count = 1;
            if (right) {
                sum += raw[index + 1];
                ++count;
            }
            if (below) {
                sum += raw[index + W];
                ++count;
            }
            if (right && below) {
                sum += raw[index + W + 1];
                ++count;
            }
            // Integer division truncates toward zero, as the double division then truncation would.
            smoothed[index] = qint32(sum / count);
        }
    }
}
