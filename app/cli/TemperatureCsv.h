#pragma once

#include "CommandLine.h"

#include <QByteArray>

class cQVX;

// Every pixel's temperature in the unit (the file's emissivity applied), two decimals, as the
// picture is shown: the first line is raw row 119, the first value of a line raw column 0.
// 120 lines of 160 comma-separated values. Empty when the pixels are not decoded.
QByteArray TemperatureCsv(cQVX& snapshot, TemperatureUnit unit);
