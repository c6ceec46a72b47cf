#include "SnapshotFixtures.h"

#include <QFile>

SnapshotFileFields FieldsWithOnePixel(int x, int y, qint32 base, qint32 value)
{
    std::vector<qint32> raw(160 * 120, base);
    // Shown row y is raw row 119 - y; shown column x is raw column x.
    raw[static_cast<std::size_t>(119 - y) * 160 + x] = value;
    SnapshotFileFields fields;
    fields.emissivity = 100;
    fields.pixelStream = EncodePixelStream(raw);
    return fields;
}

SampleSpec ExampleNamed(const QString& name)
{
    for (SampleSpec& sample : ExampleSamples(2026)) {
        if (sample.scene.name == name) {
            return sample;
        }
    }
    return {};
}

bool WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}
