#pragma once

#include <QJsonObject>

class ReportProject;

// The whole project as one JSON object, for feeding inspection data into other systems:
// "version" (as read from the file), "template" ("maintenance" or "buildings"), "unit" ("C", "F"
// or "K"; null when the project states none), "severityCriteria" ({"kind", "classes"}, each class
// with its "upperBound" in kelvin, null for the open-ended last, "name", "action" and "priority"),
// "title", "selections" and "details", every field under
// its own name. Each selection carries its "measurement": "emissivity", "reflectedKelvin",
// "palette" ("grey", "ironbow", "rainbow", "highContrast") and "colourRange" ({"lowKelvin",
// "highKelvin"}), each null when the camera's own applies, and its "spots" ({"x", "y"}) and
// "boxes" ({"x", "y", "width", "height"}) in picture coordinates as shown. Dates are {"status", "value", "iso"}, "iso"
// being the local date and time to the second, or null when the date is not valid.
QJsonObject ProjectToJson(const ReportProject& project, double version);
