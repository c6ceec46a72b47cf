#include "pages/thumbnails/ThumbnailFill.h"

#include "pages/thumbnails/FolderScan.h"

#include <QMetaObject>

#include <atomic>
#include <mutex>
#include <optional>
#include <vector>

// The files of one fill and what the workers made of them so far. Workers take the files in
// name order, so the leading run of finished thumbnails grows steadily.
struct ThumbnailFill::Work
{
    Kind kind = Snapshots;
    QString folder;
    QStringList names;
    std::atomic<int> next {0};
    std::atomic<bool> cancelled {false};
    std::atomic<bool> deliveryPending {false};
    std::mutex mutex;
    std::vector<std::optional<ThumbnailResult>> results; // guarded by mutex
    int delivered = 0; // owner's thread only

    ThumbnailResult Make(int index) const
    {
        const QString path = FolderFilePath(folder, names.at(index));
        return kind == Snapshots ? MakeSnapshotThumbnail(path) : MakeImageThumbnail(path);
    }

    // Runs on a worker: makes thumbnails until none is left; `ready` after each one.
    template<typename Ready>
    void Run(const Ready& ready)
    {
        for (int index = next++; index < names.size() && !cancelled; index = next++) {
            ThumbnailResult result = Make(index);
            {
                const std::lock_guard lock(mutex);
                results[size_t(index)] = std::move(result);
            }
            ready();
        }
    }
};

namespace {

int WorkerCount()
{
    return std::max(1, QThread::idealThreadCount());
}

} // namespace

ThumbnailFill::ThumbnailFill(QObject* parent)
    : QObject(parent)
{
    pool.setMaxThreadCount(WorkerCount());
}

ThumbnailFill::~ThumbnailFill()
{
    Cancel();
}

void ThumbnailFill::Start(Kind kind, const QString& folder, const QStringList& names)
{
    Cancel();
    auto work = std::make_shared<Work>();
    work->kind = kind;
    work->folder = folder;
    work->names = names;
    work->results.resize(size_t(names.size()));
    current = work;
    // At most one delivery waits in the event queue; it takes whatever has arrived by then.
    const auto ready = [this, work] {
        if (!work->deliveryPending.exchange(true)) {
            QMetaObject::invokeMethod(
                this, [this, work] { DeliverReady(work); }, Qt::QueuedConnection);
        }
    };
    if (names.isEmpty()) {
        ready();
        return;
    }
    for (int worker = 0; worker < std::min<int>(WorkerCount(), int(names.size())); ++worker) {
        pool.start([work, ready] { work->Run(ready); });
    }
}

void ThumbnailFill::Cancel()
{
    if (!current) {
        return;
    }
    current->cancelled = true;
    // Workers finish the file in hand; waiting keeps none of them running past its fill.
    pool.waitForDone();
    current.reset();
}

void ThumbnailFill::DeliverReady(const std::shared_ptr<Work>& work)
{
    if (work != current) {
        return; // a delivery of a fill dropped since
    }
    work->deliveryPending = false;
    QStringList names;
    QList<QImage> thumbnails;
    {
        const std::lock_guard lock(work->mutex);
        while (work->delivered < work->names.size() && work->results[size_t(work->delivered)]) {
            const ThumbnailResult& result = *work->results[size_t(work->delivered)];
            if (result.Ok()) {
                names << work->names.at(work->delivered);
                thumbnails << result.image;
            }
            work->results[size_t(work->delivered)].reset();
            ++work->delivered;
        }
    }
    if (!names.isEmpty()) {
        emit ThumbnailsReady(names, thumbnails);
    }
    if (work == current && work->delivered == work->names.size()) {
        current.reset();
        emit Finished();
    }
}

QList<ThumbnailResult> MakeThumbnails(ThumbnailFill::Kind kind, const QString& folder, const QStringList& names)
{
    ThumbnailFill::Work work;
    work.kind = kind;
    work.folder = folder;
    work.names = names;
    work.results.resize(size_t(names.size()));
    QThreadPool pool;
    pool.setMaxThreadCount(WorkerCount());
    for (int worker = 0; worker < WorkerCount(); ++worker) {
        pool.start([&work] { work.Run([] {}); });
    }
    pool.waitForDone();
    QList<ThumbnailResult> made;
    for (auto& result : work.results) {
        if (result && result->Ok()) {
            made << std::move(*result);
        }
    }
    return made;
}
