#include "PageSamples.h"

#include <QFile>
#include <QFileInfo>
#include <QImageWriter>

#include <gtest/gtest.h>

#include <cstdlib>

QByteArray SnapshotBytes(const std::vector<SnapshotMarker>& markers)
{
    std::vector<qint32> raw(std::size_t(SnapshotLayout::Width) * SnapshotLayout::Height);
    for (int y = 0; y < SnapshotLayout::Height; ++y) {
        for (int x = 0; x < SnapshotLayout::Width; ++x) {
            raw[std::size_t(y) * SnapshotLayout::Width + x] = 2000 + 4 * x + 2 * y;
        }
    }
    SnapshotFileFields fields;
    fields.displayLow = 2000;
    fields.displayHigh = 3000;
    fields.markers = markers;
    fields.pixelStream = EncodePixelStream(raw);
    return WriteSnapshotFile(fields);
}

QString WriteFile(const QDir& folder, const QString& name, const QByteArray& bytes)
{
    const QString path = folder.filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(bytes);
    return path;
}

QString WriteSnapshot(const QDir& folder, const QString& name, const std::vector<SnapshotMarker>& markers)
{
    return WriteFile(folder, name, SnapshotBytes(markers));
}

QImage TwoColourPhoto(QSize size, QColor first, QColor second, Qt::Orientation split)
{
    QImage photo(size, QImage::Format_RGB32);
    photo.fill(second);
    const QRect half = split == Qt::Horizontal ? QRect(0, 0, size.width() / 2, size.height())
                                               : QRect(0, 0, size.width(), size.height() / 2);
    for (int y = half.top(); y <= half.bottom(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(photo.scanLine(y));
        std::fill(line + half.left(), line + half.right() + 1, first.rgb());
    }
    return photo;
}

QString WritePhoto(const QDir& folder, const QString& name, const QImage& photo)
{
    const QString path = folder.filePath(name);
    QImageWriter writer(path, QFileInfo(name).suffix().toLower().toLatin1());
    writer.setQuality(95);
    EXPECT_TRUE(writer.write(photo)) << path.toStdString() << ": " << writer.errorString().toStdString();
    return path;
}

bool NearColour(QColor actual, QColor expected, int tolerance)
{
    return std::abs(actual.red() - expected.red()) <= tolerance &&
        std::abs(actual.green() - expected.green()) <= tolerance &&
        std::abs(actual.blue() - expected.blue()) <= tolerance;
}
