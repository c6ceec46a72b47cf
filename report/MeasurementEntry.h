#pragma once

class EntryReader;
class EntryWriter;
class ReportProject;

// The inspections' measurement settings as the project file's extension block stores them
// (tag 4): uint32 count of inspections that have settings, then per inspection int32 inspection
// index, uint32 flags (bit 0 emissivity, 1 reflected temperature, 2 palette, 3 colour range,
// 4 spots, 5 boxes) and the present fields in that order: float32 emissivity; float32 reflected
// kelvin; uint32 palette; float32 low and high kelvin; uint32 n + n x (int32 x, y);
// uint32 n + n x (int32 x, y, width, height). Little-endian.

// Reads the settings into the project's inspections; false for an index outside the project, an
// inspection named twice, an unknown flag or a value outside the limits (IsWithinLimits).
bool ReadMeasurementEntry(EntryReader& in, ReportProject& project);

// Writes the settings of every inspection that has any; false (nothing written) when none has.
bool WriteMeasurementEntry(EntryWriter& out, const ReportProject& project);
