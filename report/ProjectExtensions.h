#pragma once

#include "ReportProject.h"

#include <QByteArray>
#include <QByteArrayView>

// The extension block of the project file: what a project carries beyond the version 1.2
// layout (its template, temperature unit and severity criteria, and what later versions add). It
// follows the last details record, where readers of the 1.2 layout stop. PROJECT-FORMAT.md
// describes the frame and lists the tags.

// Reads `rest`, the bytes after the last record, into `project`. Bytes that do not begin with
// the block's magic are ignored; a block that is cut short, overruns, holds anything after its
// last entry, repeats a tag or holds a value out of range gives false. Unknown tags are skipped.
bool ReadProjectExtensions(QByteArrayView rest, ReportProject& project);

// The block of what `project` states; empty when it states nothing the block carries.
QByteArray WriteProjectExtensions(const ReportProject& project);
