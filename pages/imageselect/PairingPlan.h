#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// Which image "<< Add All" gives each row: for each snapshot path, the index in `imagePaths` of
// the image with the same base name (the name without its last extension, compared without
// regard to case, the first such image in list order), and for the snapshots without one the
// images that no snapshot took by name, in list order, one each; -1 once those run out.
std::vector<int> PairingPlan(const QStringList& snapshotPaths, const QStringList& imagePaths);

// The name of a file without its folder and its last extension: "connector-lug" for
// ".../connector-lug.qvx".
QString BaseNameOf(const QString& path);
