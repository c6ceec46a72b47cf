#pragma once

class CQvxReportWriterDoc;
class QWidget;

// "Export Tracking Table...": asks for a CSV file name and writes the open project's tracking
// table there, temperatures in the project's unit. Tells the user when there are no inspections
// or the file could not be written; an existing file is replaced only by a complete table.
// Returns whether the table was written. The pages must have stored what they show.
bool ExportTrackingTable(CQvxReportWriterDoc& document, QWidget* parent);
