#pragma once

#include "pages/thumbnails/Thumbnail.h"

#include <QImage>
#include <QString>

// A folder list item of a file that cannot be used keeps the reason under this role; the
// others have none.
inline constexpr int UnreadableRole = Qt::UserRole + 1;

// Why a file whose thumbnail failed cannot be used, in the user's language.
QString UnreadableReason(const ThumbnailResult& result);

// What such a file shows in place of its thumbnail: the "cannot be read" mark.
QImage UnreadableThumbnail();
