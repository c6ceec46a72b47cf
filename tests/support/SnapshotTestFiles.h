#pragma once

#include "snapshot/cQVX.h"
#include "tools/samplegen/SnapshotWriter.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <vector>

// A 160 x 120 raw image, row 0 first, each value given by its row and column.
std::vector<qint32> ImageOf(const std::function<qint32(int row, int column)>& value);

// A well-formed new-format file (rangeType 0, hundredths) whose decoded image is `raw`, except
// for the pixels the decoding always repairs from a neighbour.
SnapshotFileFields FieldsWithImage(const std::vector<qint32>& raw);

// Loads the file built from `fields` into `snapshot` and decodes its pixels; true when both worked.
bool LoadAndDecode(cQVX& snapshot, const SnapshotFileFields& fields);

// The whole file at `path`; empty when it cannot be read.
QByteArray ReadAll(const QString& path);

// Writes `bytes` as the whole file at `path`, making its folders; a test failure when that fails.
void WriteAll(const QString& path, const QByteArray& bytes);
