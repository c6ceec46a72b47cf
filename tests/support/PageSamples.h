#pragma once

#include "tools/samplegen/SnapshotWriter.h"

#include <QColor>
#include <QDir>
#include <QImage>
#include <QSize>
#include <QString>

#include <vector>

// Files for the page and thumbnail tests, made with the sample generator's snapshot writer.

// A valid snapshot with a smooth gradient, its colour range given, and the markers listed.
QByteArray SnapshotBytes(const std::vector<SnapshotMarker>& markers = {});

// Writes the bytes under `name`; returns the full path.
QString WriteFile(const QDir& folder, const QString& name, const QByteArray& bytes);
QString WriteSnapshot(const QDir& folder, const QString& name, const std::vector<SnapshotMarker>& markers = {});

// A photo in two colours, `first` in the left half (or the top half when `split` is vertical)
// and `second` in the other; saved in the format its name ends with, whatever the case.
QImage TwoColourPhoto(QSize size, QColor first, QColor second, Qt::Orientation split = Qt::Horizontal);
QString WritePhoto(const QDir& folder, const QString& name, const QImage& photo);

// Whether two colours are within `tolerance` in every channel.
bool NearColour(QColor actual, QColor expected, int tolerance);
