#pragma once

#include "CommandLine.h"

#include <QString>

// "C", "F" or "K".
QString UnitSymbol(TemperatureUnit unit);
