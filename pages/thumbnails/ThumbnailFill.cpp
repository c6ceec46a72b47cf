#include "pages/thumbnails/ThumbnailFill.h"

#include "pages/thumbnails/FolderScan.h"

#include <QtConcurrent/QtConcurrentMap>

namespace {

std::function<ThumbnailResult(const QString&)> MakerFor(ThumbnailFill::Kind kind, const QString& folder)
{
    if (kind == ThumbnailFill::Snapshots) {
        return [folder](const QString& name) { return MakeSnapshotThumbnail(FolderFilePath(folder, name)); };
    }
    return [folder](const QString& name) { return MakeImageThumbnail(FolderFilePath(folder, name)); };
}

} // namespace

ThumbnailFill::ThumbnailFill(QObject* parent)
    : QObject(parent)
{ }

ThumbnailFill::~ThumbnailFill()
{
    Cancel();
}

void ThumbnailFill::Start(Kind kind, const QString& folder, const QStringList& names)
{
    Cancel();
    pendingNames = names;
    delivered = 0;
    watcher = new QFutureWatcher<ThumbnailResult>(this);
    connect(watcher, &QFutureWatcherBase::resultsReadyAt, this, &ThumbnailFill::DeliverReady);
    connect(watcher, &QFutureWatcherBase::finished, this, &ThumbnailFill::Finish);
    watcher->setFuture(QtConcurrent::mapped(pendingNames, MakerFor(kind, folder)));
}

void ThumbnailFill::Cancel()
{
    if (!watcher) {
        return;
    }
    watcher->disconnect(this);
    watcher->cancel();
    // The workers only touch their own copies; waiting keeps no task running past its fill.
    watcher->waitForFinished();
    Drop();
}

void ThumbnailFill::Drop()
{
    // Cancel may be called from a receiver of the watcher's own signal: delete it later.
    watcher->deleteLater();
    watcher = nullptr;
}

void ThumbnailFill::DeliverReady()
{
    // Results may arrive out of order; hand them over only as the leading run completes.
    const QFuture<ThumbnailResult> future = watcher->future();
    while (delivered < pendingNames.size() && future.isResultReadyAt(delivered)) {
        const ThumbnailResult result = future.resultAt(delivered);
        const QString name = pendingNames.at(delivered);
        ++delivered;
        if (result.Ok()) {
            emit ThumbnailReady(name, result.image);
        }
        if (!watcher) {
            return; // a receiver cancelled or restarted the fill
        }
    }
}

void ThumbnailFill::Finish()
{
    DeliverReady();
    if (!watcher) {
        return;
    }
    Drop();
    emit Finished();
}

QList<ThumbnailResult> MakeThumbnails(ThumbnailFill::Kind kind, const QString& folder, const QStringList& names)
{
    QList<ThumbnailResult> results = QtConcurrent::blockingMapped(names, MakerFor(kind, folder));
    results.removeIf([](const ThumbnailResult& result) { return !result.Ok(); });
    return results;
}
