#pragma once

#include "Scene.h"
#include "SnapshotWriter.h"

#include <vector>

// A scene turned into a snapshot file's fields, with the temperature each marker is meant to show.
struct SceneSnapshot
{
    SnapshotFileFields fields;
    std::vector<double> markerTemperatures; // degrees Celsius, one per scene marker
};

// Builds the snapshot of a scene; `noiseSeed` fixes the sensor noise so output is reproducible.
SceneSnapshot RenderSceneSnapshot(const SceneDescription& scene, quint64 noiseSeed);

// The file's unit code for a unit: old files (0.0 to 0.2) number the units differently.
quint8 UnitCodeFor(DisplayUnit unit, quint8 versionMajor, quint8 versionMinor);
