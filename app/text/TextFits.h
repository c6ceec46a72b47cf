#pragma once

#include <QString>

// Whether `text` fits a report text box `width` characters wide and `lines` lines high: not too many
// characters in all, no word longer than a line, and no more line breaks than the box has lines.
bool TextFits(const QString& text, int width, int lines);
