#pragma once

#include <QtGlobal>

// The colour behind a severity class on the Inspection Data page (0x00BBGGRR): from yellow for
// the lowest class of a table through orange to red for the highest, so that the same rank reads
// the same in every table.
quint32 SeverityColour(int classIndex, int classCount);
