#pragma once

#include "pages/thumbnails/Thumbnail.h"

#include <QFutureWatcher>
#include <QObject>
#include <QStringList>

// Makes the thumbnails of a folder's files on worker threads and hands them over on the
// thread that owns the fill, in the order of the names, leaving out the files whose thumbnail
// cannot be made. Lets a list fill in while the window stays responsive.
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
    bool Running() const { return watcher != nullptr; }

signals:
    // One thumbnail, in the order of the names.
    void ThumbnailReady(const QString& name, const QImage& thumbnail);
    // Every name has been handled.
    void Finished();

private:
    void DeliverReady();
    void Finish();

    void Drop();

    QFutureWatcher<ThumbnailResult>* watcher = nullptr; // owned as a child; none while idle
    QStringList pendingNames;
    int delivered = 0;
};

// The thumbnails of the given files made the same way, waiting for all of them; failed files
// are left out. For callers that need the whole result at once.
QList<ThumbnailResult> MakeThumbnails(ThumbnailFill::Kind kind, const QString& folder, const QStringList& names);
