#pragma once

#include "report/ProjectFileIO.h"
#include "snapshot/TemperatureUnit.h"

#include <QByteArray>
#include <QString>

class ReportProject;

// The tracking table of a project, for following each finding until it is repaired and
// reinspected in a spreadsheet: a header row, then one row per inspection with its number, name,
// location, equipment, repair priority, the temperatures at the two chosen cursors and their
// difference in `unit`, the severity class (empty with None), fault and recommended action, the
// inspected, repaired and reinspected dates (ISO 8601, empty when not set) each with its
// initials, and the snapshot and photo files. Cursors never chosen read as the report prints
// them; a snapshot that cannot be read leaves its temperatures empty.
//
// RFC 4180: comma-separated, a field holding a comma, a quote or a line break in quotes with
// its quotes doubled, CRLF after every row, UTF-8 without a byte-order mark.
QByteArray TrackingTableCsv(const ReportProject& project, TemperatureUnit unit);

// Writes the table to `path`, replacing the file only once every byte is written.
FileWriteResult SaveTrackingTable(const QString& path, const ReportProject& project, TemperatureUnit unit);
