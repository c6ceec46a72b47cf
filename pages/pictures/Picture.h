#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include <optional>

// A decoded picture file with its size in HIMETRIC units (hundredths of a millimetre), taken
// from the file's resolution, or from 96 dots per inch when the file gives none.
struct Picture
{
    QImage image;
    QSize himetric;
};

// How large a decoded picture needs to be at most. Large photographs are decoded directly at
// the size they are drawn at instead of at full size and then shrunk.
struct DecodeLimit
{
    QSize bound; // invalid: decode at the file's own size
    bool keepAspect = false; // scale both sides alike to fit the bound
};

// Decodes a JPEG, BMP or PNG file; nothing for an empty path or a file that does not decode.
std::optional<Picture> LoadPicture(const QString& path, const DecodeLimit& limit = {});

// The picture of a file that is not a ".bmp" file (those go through DibImage), at its own size.
std::optional<QImage> LoadPictureFile(const QString& path);

// The size a picture is decoded at under the limit; never larger than the file's own size.
QSize DecodedSize(const QSize& fileSize, const DecodeLimit& limit);
