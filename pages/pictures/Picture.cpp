#include "Picture.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>

#include <cmath>

namespace {

constexpr double HimetricPerInch = 2540.0;
constexpr double DefaultDotsPerInch = 96.0;
constexpr double HimetricPerMetre = 100000.0;

// QImage reports this resolution when the decoder found none in the file.
int DefaultDotsPerMetre()
{
    static const int value = QImage(1, 1, QImage::Format_RGB32).dotsPerMeterX();
    return value;
}

int ToHimetric(int pixels, int dotsPerMetre)
{
    if (dotsPerMetre <= 0 || dotsPerMetre == DefaultDotsPerMetre()) {
        return int(std::lround(pixels * HimetricPerInch / DefaultDotsPerInch));
    }
    return int(std::lround(pixels * HimetricPerMetre / dotsPerMetre));
}

std::optional<QImage> Decode(QIODevice* device, const DecodeLimit& limit, QSize* fileSize)
{
    QImageReader reader(device);
    reader.setAutoTransform(false);
    const QSize ownSize = reader.size();
    if (ownSize.isValid()) {
        const QSize wanted = DecodedSize(ownSize, limit);
        if (wanted != ownSize) {
            reader.setScaledSize(wanted);
        }
    }
    QImage image = reader.read();
    if (image.isNull()) {
        return std::nullopt;
    }
    *fileSize = ownSize.isValid() ? ownSize : image.size();
    return image;
}

} // namespace

QSize DecodedSize(const QSize& fileSize, const DecodeLimit& limit)
{
    if (!limit.bound.isValid() || !fileSize.isValid()) {
        return fileSize;
    }
    if (limit.keepAspect) {
        if (fileSize.width() <= limit.bound.width() && fileSize.height() <= limit.bound.height()) {
            return fileSize;
        }
        return fileSize.scaled(limit.bound, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
    }
    return fileSize.boundedTo(limit.bound).expandedTo(QSize(1, 1));
}

std::optional<Picture> LoadPicture(const QString& path, const DecodeLimit& limit)
{
    if (path.isEmpty()) {
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    QSize fileSize;
    auto image = Decode(&file, limit, &fileSize);
    if (!image) {
        return std::nullopt;
    }
    const QSize himetric(ToHimetric(fileSize.width(), image->dotsPerMeterX()),
                         ToHimetric(fileSize.height(), image->dotsPerMeterY()));
    return Picture {std::move(*image), himetric};
}

std::optional<QImage> LoadPictureFile(const QString& path)
{
    // Bitmap files are read by DibImage; only the exact lower-case ending counts.
    if (path.endsWith(QLatin1String("bmp"), Qt::CaseSensitive)) {
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return std::nullopt;
    }
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QSize fileSize;
    return Decode(&buffer, {}, &fileSize);
}
