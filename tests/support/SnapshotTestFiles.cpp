#include "SnapshotTestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

std::vector<qint32> ImageOf(const std::function<qint32(int row, int column)>& value)
{
    std::vector<qint32> image;
    image.reserve(cQVX::PixelCount);
    for (int row = 0; row < cQVX::Height; ++row) {
        for (int column = 0; column < cQVX::Width; ++column) {
            image.push_back(value(row, column));
        }
    }
    return image;
}

SnapshotFileFields FieldsWithImage(const std::vector<qint32>& raw)
{
    SnapshotFileFields fields;
    fields.pixelStream = EncodePixelStream(raw);
    return fields;
}

bool LoadAndDecode(cQVX& snapshot, const SnapshotFileFields& fields)
{
    return snapshot.LoadFromBytes(WriteSnapshotFile(fields)) && snapshot.LoadPixels(cQVX::Width, cQVX::Height);
}

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes)
{
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}
