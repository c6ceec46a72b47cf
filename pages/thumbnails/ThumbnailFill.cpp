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
    QStringList paths; // the files, in the order of the names
    std::atomic<int> next {0};
    std::atomic<bool> cancelled {false};
    std::atomic<bool> deliveryPending {false};
    std::mutex mutex;
    std::vector<std::optional<ThumbnailResult>> results; // guarded by mutex
    int delivered = 0; // owner's thread only

    ThumbnailResult Make(int index) const
    {
        const QString& path = paths.at(index);
        return kind == Snapshots ? MakeSnapshotThumbnail(path) : MakeImageThumbnail(path);
    }

    // Runs on a worker: makes thumbnails until none is left; `ready` after each one.
    template<typename Ready>
    void Run(const Ready& ready)
    {
        for (int index = next++; index < paths.size() && !cancelled; index = next++) {
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

QStringList PathsOf(const QString& folder, const QStringList& names)
{
    QStringList paths;
    paths.reserve(names.size());
    for (const QString& name : names) {
        paths << FolderFilePath(folder, name);
    }
    return paths;
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
    work->paths = PathsOf(folder, names);
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

void ThumbnailFill::Complete()
{
    if (!current) {
        return;
    }
    const std::shared_ptr<Work> work = current;
    work->Run([] {});
    pool.waitForDone();
    DeliverReady(work);
}

void ThumbnailFill::DeliverReady(const std::shared_ptr<Work>& work)
{
    if (work != current) {
        return; // a delivery of a fill dropped or completed since
    }
    work->deliveryPending = false;
    const int first = work->delivered;
    QList<ThumbnailResult> results;
    {
        const std::lock_guard lock(work->mutex);
        while (work->delivered < work->paths.size() && work->results[size_t(work->delivered)]) {
            results << std::move(*work->results[size_t(work->delivered)]);
            work->results[size_t(work->delivered)].reset();
            ++work->delivered;
        }
    }
    if (!results.isEmpty()) {
        emit ThumbnailsReady(first, results);
    }
    if (work == current && work->delivered == work->paths.size()) {
        current.reset();
        emit Finished();
    }
}

QList<ThumbnailResult> MakeThumbnailsOfPaths(ThumbnailFill::Kind kind, const QStringList& paths)
{
    ThumbnailFill::Work work;
    work.kind = kind;
    work.paths = paths;
    work.results.resize(size_t(paths.size()));
    QThreadPool pool;
    pool.setMaxThreadCount(WorkerCount());
    for (int worker = 0; worker < std::min<int>(WorkerCount(), int(paths.size())); ++worker) {
        pool.start([&work] { work.Run([] {}); });
    }
    pool.waitForDone();
    QList<ThumbnailResult> made;
    made.reserve(paths.size());
    for (auto& result : work.results) {
        made << std::move(*result);
    }
    return made;
}

QList<ThumbnailResult> MakeThumbnails(ThumbnailFill::Kind kind, const QString& folder, const QStringList& names)
{
    QList<ThumbnailResult> made = MakeThumbnailsOfPaths(kind, PathsOf(folder, names));
    made.removeIf([](const ThumbnailResult& result) { return !result.Ok(); });
    return made;
}
