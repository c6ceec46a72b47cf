#pragma once

#include <QString>
#include <QStringList>

// Fills the "%d" and "%s" placeholders of a string-table format in order ("%%" is a percent
// sign). Formats come from language libraries too, so nothing is passed to printf: a format
// with fewer placeholders ignores the rest, one with more leaves them empty.
QString FillPlaceholders(const QString& format, const QStringList& values);
