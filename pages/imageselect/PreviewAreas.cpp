#include "pages/imageselect/PreviewAreas.h"

#include "pages/pictures/Picture.h"
#include "pages/pictures/SnapshotBitmap.h"
#include "snapshot/cQVX.h"

#include <QFile>
#include <QPainter>

namespace {

// Photographs are decoded no larger than this; the preview is never drawn bigger.
constexpr QSize PreviewDecodeBound(800, 600);

constexpr QSize PreviewMinimumSize(196, 148);

void PrepareFrame(QFrame* frame)
{
    frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    // Grows with the page; the picture keeps 4:3 inside, like the sensor and the usual photograph.
    frame->setMinimumSize(PreviewMinimumSize);
    frame->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

// The largest 4:3 area centred in the frame's contents.
QRect PictureArea(const QFrame& frame)
{
    const QRect contents = frame.contentsRect();
    QSize size = PreviewMinimumSize.scaled(contents.size(), Qt::KeepAspectRatio);
    QRect area(QPoint(0, 0), size);
    area.moveCenter(contents.center());
    return area;
}

void PaintBlank(QPainter& painter, const QFrame& frame)
{
    painter.fillRect(frame.contentsRect().adjusted(2, 2, -2, -2), frame.palette().button());
}

} // namespace

SnapshotPreview::SnapshotPreview(QWidget* parent)
    : QFrame(parent)
{
    PrepareFrame(this);
}

void SnapshotPreview::PreviewSnapshot(const QString& path)
{
    blank = false;
    RenderSnapshotBitmap(path, previewBitmap);
    previewedPath = path;
    update();
}

void SnapshotPreview::SetBlank()
{
    blank = true;
    update();
}

void SnapshotPreview::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    if (blank) {
        PaintBlank(painter, *this);
        return;
    }
    if (!previewBitmap.IsValid()) {
        return;
    }
    const QRect area = PictureArea(*this);
    painter.drawImage(area, previewBitmap.ToImage());
    // The markers are read from the file again at every repaint; nothing of it is kept.
    cQVX snapshot;
    if (snapshot.Load(previewedPath) && snapshot.valid) {
        snapshot.LoadPixels(cQVX::Width, cQVX::Height);
        cQVX::DrawCentreMark(&painter, area);
        snapshot.DrawMarkers(&painter, area);
    }
}

ImagePreview::ImagePreview(QWidget* parent)
    : QFrame(parent)
{
    PrepareFrame(this);
}

void ImagePreview::LoadPreviewPicture(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return;
    }
    file.close();
    auto picture = LoadPicture(path, DecodeLimit {PreviewDecodeBound, true});
    if (!picture) {
        previewPicture.reset();
        return;
    }
    previewPicture = std::move(picture->image);
    blank = false;
    update();
}

void ImagePreview::DropPicture()
{
    previewPicture.reset();
    update();
}

void ImagePreview::SetBlank()
{
    blank = true;
    update();
}

void ImagePreview::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    if (blank) {
        PaintBlank(painter, *this);
        return;
    }
    if (previewPicture) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(PictureArea(*this), *previewPicture);
    }
}
