#pragma once

#include "CommandLine.h"

#include <QJsonObject>
#include <QString>

class cQVX;

// The --info answer for a loaded snapshot: header values, colour ranges and marker temperatures
// in the unit. Sets the snapshot's unit code to the unit's code. Temperatures are rounded to
// hundredths; without decoded pixels the automatic range and marker temperatures are null.
QJsonObject SnapshotInfo(cQVX& snapshot, const QString& file, TemperatureUnit unit);
