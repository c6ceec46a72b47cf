#include "SnapshotFixtures.h"

#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

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

ProgramRun RunProgram(const QStringList& arguments, const QProcessEnvironment& environment)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(THERMREPORT_BINARY_DIR "/bin/thermreport", arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) {
        ADD_FAILURE() << "the program did not finish normally";
        return {};
    }
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}
