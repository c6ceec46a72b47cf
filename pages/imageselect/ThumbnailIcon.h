#pragma once

#include <QIcon>
#include <QImage>

// A thumbnail as a list icon that looks the same whether its item is selected or not: the
// selection shows in the item's background, never as a tint over the picture.
QIcon ThumbnailIcon(const QImage& thumbnail);

// What an item shows while its thumbnail is still being made: a plain light box of the
// thumbnail's size, so the lists keep their layout as the thumbnails arrive. Callers keep the
// icon they make, which holds a pixmap.
QImage PendingThumbnail();
