#include "SnapshotLoading.h"

#include "snapshot/cQVX.h"

#include <QFile>

Result<Done, SnapshotOpenError> OpenSnapshot(const QString& path, cQVX& snapshot)
{
    using Opened = Result<Done, SnapshotOpenError>;
    if (!snapshot.Load(path)) {
        QFile file(path);
        const bool opened = file.open(QIODevice::ReadOnly);
        return Opened::Failure(SnapshotOpenError::CannotRead,
                               opened ? QString("cannot read") : QString("cannot open (%1)").arg(file.errorString()));
    }
    if (!snapshot.valid) {
        return Opened::Failure(SnapshotOpenError::Invalid, snapshot.InvalidReason());
    }
    snapshot.LoadPixels(cQVX::Width, cQVX::Height);
    return Done {};
}
