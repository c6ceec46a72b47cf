#pragma once

#include "snapshot/ByteView.h"

#include <QString>
#include <QStringView>

#include <optional>

// The archive string format of project files. Written strings carry the wide-character tag
// (FF FE FF), a length in characters (1 byte below 255; FF + 16 bits below 0xFFFE; FF FFFF + 32
// bits below 0xFFFFFFFF; else FF FFFF FFFFFFFF + 64 bits) and UTF-16LE code units. Untagged
// (narrow) strings from older writers use the same length rules and Windows-1252 bytes.

void WriteArchiveString(ByteWriter& out, QStringView text);

// Nothing when the bytes end before the string does; the cursor is then left anywhere.
std::optional<QString> ReadArchiveString(ByteCursor& in);
