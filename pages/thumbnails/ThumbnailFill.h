#pragma once

#include "pages/thumbnails/Thumbnail.h"

#include <QObject>
#include <QStringList>
#include <QThreadPool>

#include <memory>

// Makes the thumbnails of a folder's files on worker threads and hands them over on the
// thread that owns the fill, in the order of the names, each with its outcome. Lets a list
// fill in while the window stays responsive.
//
// The fill has its own threads: the global pool also serves the raster paint engine, which
// waits for it, so busy global threads would freeze every repaint until the fill ends.
class ThumbnailFill : public QObject
{
    Q_OBJECT

public:
    enum Kind { Snapshots, Images };

    explicit ThumbnailFill(QObject* parent = nullptr);
    ~ThumbnailFill() override;

    // Starts over with the given files; a fill still running is dropped first.
    void Start(Kind kind, const QString& folder, const QStringList& names);
    // Drops the running fill: no further signals come from it.
    void Cancel();
    // Makes the rest of the running fill at once, the calling thread joining the workers, and
    // delivers it before returning, Finished included.
    void Complete();
    bool Running() const { return current != nullptr; }

    struct Work;

signals:
    // The outcomes for names[first] onwards, in order; each batch continues the previous one.
    void ThumbnailsReady(int first, const QList<ThumbnailResult>& results);
    // Every name has been handled.
    void Finished();

private:
    void DeliverReady(const std::shared_ptr<Work>& work);

    QThreadPool pool;
    std::shared_ptr<Work> current;
};

// The thumbnails of the given files made the same way, waiting for all of them; failed files
// are left out. For callers that need the whole result at once.
QList<ThumbnailResult> MakeThumbnails(ThumbnailFill::Kind kind, const QString& folder, const QStringList& names);

// The same for full paths, one result per path, failures included.
QList<ThumbnailResult> MakeThumbnailsOfPaths(ThumbnailFill::Kind kind, const QStringList& paths);
