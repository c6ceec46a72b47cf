#pragma once

#include <QIcon>
#include <QImage>

// A thumbnail as a list icon that looks the same whether its item is selected or not: the
// selection shows in the item's background, never as a tint over the picture.
QIcon ThumbnailIcon(const QImage& thumbnail);
