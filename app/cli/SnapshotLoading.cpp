#include "SnapshotLoading.h"

#include "SnapshotProblem.h"
#include "snapshot/cQVX.h"

#include <QFile>

namespace {

SnapshotOpenResult Refused(const QString& reason)
{
    return SnapshotOpenResult {false, reason};
}

} // namespace

SnapshotOpenResult OpenSnapshot(const QString& path, cQVX& snapshot)
{
    if (!snapshot.Load(path)) {
        QFile file(path);
        const bool opened = file.open(QIODevice::ReadOnly);
        return Refused(opened ? QString("cannot read") : QString("cannot open (%1)").arg(file.errorString()));
    }
    if (!snapshot.valid) {
        // Read the same bytes the reader saw (one past its limit) to tell the user why.
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            return Refused(QString("cannot open (%1)").arg(file.errorString()));
        }
        return Refused(DescribeSnapshotProblem(file.read(cQVX::MaxFileSize + 1)));
    }
    snapshot.LoadPixels(cQVX::Width, cQVX::Height);
    return SnapshotOpenResult {true, {}};
}
