#pragma once

#include "tools/samplegen/SampleSet.h"
#include "tools/samplegen/SceneSnapshot.h"
#include "tools/samplegen/SnapshotWriter.h"

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// Snapshot files for the command-line tests, written by the sample writer.

// A file whose raw image is `base` everywhere except `value` at the pixel shown at (x, y).
SnapshotFileFields FieldsWithOnePixel(int x, int y, qint32 base, qint32 value);

// The example scene of that name with its snapshot (noise seed fixed).
SampleSpec ExampleNamed(const QString& name);

// Writes bytes to a file; false when that failed.
bool WriteBytes(const QString& path, const QByteArray& bytes);

// What a run of the built program gave.
struct ProgramRun
{
    int status = -1;
    QByteArray out;
    QByteArray err;
};

// Runs the built program as a user would, in the given environment.
ProgramRun RunProgram(const QStringList& arguments,
                      const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());
