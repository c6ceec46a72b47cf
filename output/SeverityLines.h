#pragma once

#include "report/SeverityCriteria.h"

class QPainter;

// What the severity criteria add to the printed report; with None they draw nothing.

// The inspection page's row below "Difference" (y `top` to `top` + 70, within the temperature
// table's columns 100 to 970): "Severity" and the class of `difference`, a difference in `unit`.
void DrawSeverityRow(
    QPainter& painter, int top, const SeverityCriteria& criteria, float difference, TemperatureUnit unit);

// The summary page's line naming the criteria, a little below a table that ends at `tableBottom`.
void DrawCriteriaLine(QPainter& painter, int tableBottom, const SeverityCriteria& criteria);
