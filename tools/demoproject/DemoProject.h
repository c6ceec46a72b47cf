#pragma once

#include "report/ReportProject.h"

#include <QDir>

// The demo report: one inspection per snapshot in the examples folder (in name order), each
// paired with the photo of the same base name (.jpg or .bmp), with filled-in inspection data,
// pen strokes and absolute paths, so the project opens from any working folder. It states its
// template and the Celsius unit its typed temperatures and wind speeds (km/h) are in.
ReportProject BuildDemoProject(const QDir& examples, ReportTemplate reportTemplate = ReportTemplate::Maintenance);
