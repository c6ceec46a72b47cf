#pragma once

#include "PenStroke.h"

#include "snapshot/MeasurementSettings.h"

#include <QString>

#include <vector>

// The files of one inspection, referred to by path only, and the strokes drawn over them.
struct InspectionSelection
{
    QString snapshotPath; // the thermal snapshot; never empty in a valid project
    QString imagePath {}; // the paired visual image; empty when there is none
    std::vector<PenStroke> strokes {};
    // The thermographer's corrections; they travel with the inspection when rows move.
    MeasurementSettings measurement {};

    bool operator==(const InspectionSelection&) const = default;
};
