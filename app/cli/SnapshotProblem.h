#pragma once

#include <QByteArrayView>
#include <QString>

// Why the bytes of a file the reader refused are not a usable snapshot: "not a snapshot file",
// "truncated (...)", "too large (...)", ... The reader only says valid or not, so the reason is
// found again here from the same limits, in the reader's order of checking.
QString DescribeSnapshotProblem(QByteArrayView fileBytes);
