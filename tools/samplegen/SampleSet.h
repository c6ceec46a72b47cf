#pragma once

#include "Scene.h"

#include <QSize>
#include <QString>

#include <vector>

// A visual photo to write beside a snapshot.
struct PhotoSpec
{
    QString format; // "jpg" or "bmp"
    QSize size;
    int quality = 85; // JPEG only
};

struct SampleSpec
{
    SceneDescription scene;
    quint64 noiseSeed = 0;
    std::vector<PhotoSpec> photos;
};

// The bundled examples: every scene once, in its canonical form, with its photo.
std::vector<SampleSpec> ExampleSamples(quint64 seed);

// Scene number `index` of a varied set: the catalogue in turn, each with nudged temperatures
// and positions and randomly chosen camera settings (version, palette, range type, colour range,
// emissivity, reflected temperature, unit, number of markers). Snapshots only, no photos.
SampleSpec VariedSample(int index, quint64 seed);
