#pragma once

#include <QString>

class cQVX;

struct SnapshotOpenResult
{
    bool ok = false;
    QString reason; // why not, as "cannot open (...)", "truncated (...)", ...
};

// Loads a snapshot for a command and decodes its pixels; says why when the file is unusable.
SnapshotOpenResult OpenSnapshot(const QString& path, cQVX& snapshot);
