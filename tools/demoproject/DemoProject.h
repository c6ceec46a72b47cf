#pragma once

#include "report/ReportProject.h"

#include <QDir>

// The demo reports over the bundled examples, written as an inspector would: each inspection's
// texts fit its scene, its repair priority follows the temperature difference between its first
// two markers, the company logo is on the title page, and every path is absolute so the projects
// open from any working folder.

// The plant survey: the electrical and mechanical scenes, with the uniform plate as the reference.
ReportProject BuildDemoProject(const QDir& examples);

// The building survey: the building scenes, with the same reference plate.
ReportProject BuildBuildingsDemoProject(const QDir& examples);

// The repair priority (0 none, 1 low to 5 high) for a temperature rise in kelvin.
int DemoPriorityFor(float rise);
