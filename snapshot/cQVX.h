#pragma once

#include "ColourPalette.h"
#include "SnapshotHeader.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <vector>

class ByteView;
class QPainter;
class QPoint;
class QRect;

// One thermal snapshot read from a .qvx file: the camera's header values, up to ten spot
// markers, and the 160 x 120 raw array decoded on demand. Callers create one per use, load it,
// use it and drop it; nothing is shared.
class cQVX : public SnapshotHeader
{
public:
    static constexpr int Width = 160;
    static constexpr int Height = 120;
    static constexpr int PixelCount = Width * Height;
    static constexpr qsizetype HeaderSize = 564;
    static constexpr qsizetype MaxFileSize = 50000;
    static constexpr qint32 MaxPixelLength = PixelCount * 2;

    cQVX();
    explicit cQVX(const QString& path);
    ~cQVX();
    cQVX(const cQVX&) = delete;
    cQVX& operator=(const cQVX&) = delete;

    // Reading and validation. Load returns false only when the file cannot be opened or read;
    // a file that was read but failed a check returns true with valid false.
    bool Load(const QString& path);
    // Loads from the bytes of a whole file (what Load reads); returns valid.
    bool LoadFromBytes(QByteArrayView fileBytes);
    // Fills the header members from the bytes of a file; false when they are not an acceptable
    // snapshot (magic, version, limits, blocks outside the bytes). Keeps the pixel block when true.
    bool ParseHeader(QByteArrayView bytes);
    void Reset();
    // Why the last load was not valid, in a few words ("truncated (...)"); empty when it was.
    const QString& InvalidReason() const { return invalidReason; }
    QString CaptureDateText() const; // "3rd March 2007"; empty when the date is out of range
    QString CaptureTimeText() const; // "9.05"; empty when the time is out of range

    // Pixel decoding, correction and temperatures. Only the 160 x 120 sensor size is accepted.
    bool LoadPixels(int width, int height);
    void Smooth(int width, int height);
    // A raw value may lie between two sensor levels, as the ends of a shared colour range do.
    double ToTemperature(double value, double emissivity) const;
    float MarkerTemperature(int index) const;
    float MarkerDifference(int first, int second) const;
    void AutoDisplayRange(int& low, int& high) const;

    // Rendering. Render returns 160 * 120 pixels of blue, green, red bytes, raw row 0 first,
    // owned by the snapshot until the next Render or Reset; nullptr when there is nothing to show.
    // Only factor 1 is accepted. The range's ends may lie between raw levels.
    void SetPalette(const cColourPalette& source);
    const std::vector<qint32>* Upscale(int width, int height, int factor);
    const quint8* Render(int width, int height, int factor, double low, double high);

    // Marker drawing on a picture whose origin is the target rectangle's origin.
    void DrawMarker(QPainter* painter, const QRect& target, int index) const;
    void DrawMarkers(QPainter* painter, const QRect& target) const;
    void DrawMarkerPair(QPainter* painter, const QRect& target, int first, int second) const;
    static void DrawCentreMark(QPainter* painter, const QRect& target);

    const std::vector<qint32>& Raw() const { return raw; }
    const std::vector<qint32>& Smoothed() const { return smoothed; }
    const cColourPalette& Palette() const { return palette; }

private:
    void SetCodeTable(bool oldFile);
    void ReadTimestamps(const ByteView& view);
    void ReadFixedFields(const ByteView& view);
    bool ReadMarkers(const ByteView& view);
    bool ReadExtraBlock(const ByteView& view);
    bool ReadPixelBlock(const ByteView& view);
    bool CheckFileSize(qint64 size);
    bool CheckFileEnd(qint64 size);
    bool Refuse(const QString& reason);
    void ReleasePixelBuffers();

    QByteArray pixelBytes;
    std::vector<qint32> raw;
    std::vector<qint32> smoothed;
    std::vector<quint8> rgb;
    cColourPalette palette;
    QString invalidReason;
};

// Line and frame colour of a marker as 0x00BBGGRR values.
struct MarkerColourPair
{
    quint32 line;
    quint32 frame;
};
MarkerColourPair MarkerColours(int index);
// Line and frame colour of box `index` (0-based) of the thermographer's boxes.
MarkerColourPair BoxColours(int index);

// A marker's cross at a pixel of the picture as shown (x from the left, y from the top), on a
// picture whose origin is the target rectangle's origin.
void DrawCrossMark(QPainter* painter, const QRect& target, QPoint shown, MarkerColourPair colours);
// A box (picture coordinates as shown) outlined, its hottest pixel crossed.
void DrawBoxMark(QPainter* painter, const QRect& target, const QRect& shown, QPoint hottest, MarkerColourPair colours);
