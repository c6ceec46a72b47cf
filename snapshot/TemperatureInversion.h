#pragma once

class cQVX;

// The raw value, between levels where needed, at which the snapshot reads `temperature` (in the
// unit unitCode names, with its emissivity and reflected temperature); the nearest end of the
// readable range for a temperature outside it.
double RawValueAt(const cQVX& snapshot, double temperature);
