#pragma once

#include "pages/pictures/DibImage.h"

#include <QFrame>
#include <QImage>
#include <QString>

#include <optional>

// The two picture areas under the inspections list. Each is either blank (filled with the
// button face colour) or shows its picture stretched over the whole area.

// The previewed snapshot with its centre mark and spot markers.
class SnapshotPreview : public QFrame
{
    Q_OBJECT

public:
    explicit SnapshotPreview(QWidget* parent = nullptr);

    // Renders the snapshot at path; when it cannot be rendered the previous picture stays.
    // The markers come from the file named here either way.
    void PreviewSnapshot(const QString& path);
    void SetBlank();

    bool Blank() const { return blank; }
    const DibImage& PreviewBitmap() const { return previewBitmap; }
    const QString& PreviewedPath() const { return previewedPath; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    DibImage previewBitmap;
    QString previewedPath;
    bool blank = false;
};

// The previewed visual image.
class ImagePreview : public QFrame
{
    Q_OBJECT

public:
    explicit ImagePreview(QWidget* parent = nullptr);

    // Decodes the picture at path. A file that cannot be read changes nothing; one that cannot
    // be decoded leaves no picture.
    void LoadPreviewPicture(const QString& path);
    void DropPicture();
    void SetBlank();

    bool Blank() const { return blank; }
    const std::optional<QImage>& PreviewPicture() const { return previewPicture; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<QImage> previewPicture;
    bool blank = false;
};
