#pragma once

#include "OleDate.h"

#include <QString>

// The typed-in data of one inspection. Every measurement is kept as the text the user typed.
struct InspectionDetails
{
    QString name;
    QString operatorName; // the "Operator" (or "Inspector") field; "operator" is a C++ keyword
    QString location;
    QString equipment;
    QString comment;
    QString measuredLoad;
    QString ratedLoad;
    QString loadPercent;
    qint32 repairPriority = 0; // 0 none, 1 low to 5 high
    QString faultAction;
    OleDate inspectedDate;
    OleDate repairedDate;
    OleDate reinspectedDate;
    bool inspectedSet = false;
    bool repairedSet = false;
    bool reinspectedSet = false;
    QString inspectedInitials;
    QString repairedInitials;
    QString reinspectedInitials;
    qint32 cursorA = -1; // -1 nothing chosen, 0 none, k the snapshot's cursor k
    qint32 cursorB = -1;
    QString indoorTemperature;
    QString outdoorTemperature;
    QString humidity;
    QString windSpeed;
    QString pressureDifference;
    qint32 materialCondition = 0; // 0 no comment, 1 good, 2 poor

    bool operator==(const InspectionDetails&) const = default;
};
