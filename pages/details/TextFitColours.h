#pragma once

#include "app/text/TextFits.h"

#include <QColor>
#include <QString>

// The warning colours of the typed texts: red when the report will cut the text in its own box
// on the page, orange when it prints it whole there but shortens it in the summary or the
// contents, black when it prints it whole everywhere.
QColor TextFitColour(TypedField field, const QString& text, const TypedTextPlace& place = {});
