#pragma once

#include <QColor>
#include <QString>

// The warning colours of the Inspection Data page's texts: red when a text does not fit its box
// on the report page, orange when the fault text fits its box but not the smaller one it should.

enum class CheckedField { FaultAction, Comment, Name, Operator, Location, Equipment };

QColor TextFitColour(CheckedField field, const QString& text);
