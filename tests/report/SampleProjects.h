#pragma once

#include "report/ReportProject.h"

#include <QByteArray>
#include <QString>

// A project with every field of every record set to a distinct value, non-ASCII text
// included; `inspections` of them, each with `strokesEach` strokes.
ReportProject FullProject(int inspections, int strokesEach = 3);

// Little-endian pieces of a project file, written by hand from the file layout so that the
// tests do not check the writer against itself.
namespace Layout {
QByteArray Int32(qint32 value);
QByteArray Float32(float value);
QByteArray Float64(double value);
QByteArray Date(qint32 status, double value);
QByteArray Wide(const QString& text); // tagged string shorter than 255 characters
QByteArray Narrow(const QByteArray& bytes); // untagged string shorter than 255 bytes
} // namespace Layout
