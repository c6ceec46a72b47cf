#include "SampleFiles.h"

#include "ScenePhoto.h"
#include "SceneSnapshot.h"

#include <QBuffer>
#include <QSaveFile>

namespace {

bool SaveBytes(const QString& path, const QByteArray& bytes, QString& error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        error = QString("%1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

bool EncodePhoto(const QImage& photo, const PhotoSpec& photoSpec, QByteArray& bytes)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const QImage image = photoSpec.format == "bmp" ? photo.convertToFormat(QImage::Format_RGB888) : photo;
    return image.save(&buffer, photoSpec.format.toLatin1().constData(), photoSpec.quality);
}

QString UnitName(DisplayUnit unit)
{
    switch (unit) {
    case DisplayUnit::Celsius:
        return "C";
    case DisplayUnit::Fahrenheit:
        return "F";
    case DisplayUnit::Kelvin:
        return "K";
    }
    return {};
}

QString Summary(const SceneDescription& scene, const SceneSnapshot& snapshot)
{
    const CameraSettings& camera = scene.camera;
    QString text =
        QString("%1.qvx: version %2.%3, palette %4, range type %5, unit %6, e %7, reflected %8 C, %9")
            .arg(scene.name)
            .arg(camera.versionMajor)
            .arg(camera.versionMinor)
            .arg(camera.paletteCode)
            .arg(camera.rangeType)
            .arg(UnitName(camera.unit))
            .arg(snapshot.fields.emissivity / 100.0, 0, 'f', 2)
            .arg(snapshot.fields.reflectedTemp / 100.0, 0, 'f', 2)
            .arg(camera.automaticRange
                     ? QString("automatic range")
                     : QString("range %1..%2 (raw)").arg(snapshot.fields.displayLow).arg(snapshot.fields.displayHigh));
    for (std::size_t i = 0; i < scene.markers.size(); ++i) {
        const SceneMarker& marker = scene.markers[i];
        text += QString("\n    marker %1 at (%2, %3) shown, %4: %5 C")
                    .arg(i)
                    .arg(marker.x)
                    .arg(marker.y)
                    .arg(marker.role)
                    .arg(snapshot.markerTemperatures[i], 0, 'f', 2);
    }
    return text;
}

} // namespace

SampleWriteResult WriteSample(const SampleSpec& sample, const QDir& folder)
{
    SampleWriteResult result;
    const SceneSnapshot snapshot = RenderSceneSnapshot(sample.scene, sample.noiseSeed);
    const QString snapshotPath = folder.filePath(sample.scene.name + ".qvx");
    if (!SaveBytes(snapshotPath, WriteSnapshotFile(snapshot.fields), result.error)) {
        return result;
    }
    result.files << snapshotPath;

    for (const PhotoSpec& photoSpec : sample.photos) {
        const QString photoPath = folder.filePath(sample.scene.name + "." + photoSpec.format);
        QByteArray bytes;
        if (!EncodePhoto(PaintScenePhoto(sample.scene, photoSpec.size), photoSpec, bytes)) {
            result.error = QString("%1: the %2 encoder failed").arg(photoPath, photoSpec.format);
            return result;
        }
        if (!SaveBytes(photoPath, bytes, result.error)) {
            return result;
        }
        result.files << photoPath;
    }
    result.summary = Summary(sample.scene, snapshot);
    result.ok = true;
    return result;
}
