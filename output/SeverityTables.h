#pragma once

#include "report/SeverityCriteria.h"

#include <QString>

// The published tables of the severity criteria, with their names, class names and actions in the
// language in use. Suggested priorities (1 low to 5 high), which the user may change per project:
//   Similar components: up to 3 K possible deficiency 2, up to 15 K probable deficiency 3, over
//   15 K major discrepancy 5.
//   Over ambient: up to 10 K possible deficiency 2, up to 20 K probable deficiency 3, up to 40 K
//   serious deficiency (monitor) 4, over 40 K major discrepancy 5.

// The built-in table of `kind`; Custom starts as a copy of the similar components table, None has
// no classes.
SeverityCriteria BuiltInCriteria(SeverityKind kind);

// "None", "Similar components (NETA)", "Over ambient (NETA)" or "Custom".
QString CriteriaName(SeverityKind kind);
