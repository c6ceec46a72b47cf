#pragma once

#include "ReportNavigation.h"

#include <QString>

class QIODevice;

// Writes the PDF file at `pdfPath` to `output` with the outline, the contents links and the
// document information of `navigation` added; everything else is copied as it is. Returns the
// reason when the file could not be read or the output not written, else an empty text.
QString AddPdfNavigation(const QString& pdfPath, QIODevice& output, const ReportNavigation& navigation);
