#pragma once

#include "snapshot/Result.h"

#include <QString>

class cQVX;

enum class SnapshotOpenError {
    CannotRead, // the file could not be opened or read
    Invalid, // it was read but is not a usable snapshot
};

// Loads a snapshot for a command and decodes its pixels; when the file is unusable, the message
// says why, as "cannot open (...)", "truncated (...)", ...
Result<Done, SnapshotOpenError> OpenSnapshot(const QString& path, cQVX& snapshot);
