#pragma once

#include "ColourPalette.h"

#include <QString>

#include <array>
#include <optional>
#include <vector>

class QPainter;
class QRect;

// One thermal snapshot read from a .qvx file: the camera's header values, up to ten spot
// markers, and the 160 x 120 raw array decoded on demand. Callers create one per use, load it,
// use it and drop it; nothing is shared.
class cQVX
{
public:
    static constexpr int Width = 160;
    static constexpr int Height = 120;
    static constexpr int MaxMarkers = 10;

    cQVX();
    explicit cQVX(const QString& path);
    ~cQVX();
    cQVX(const cQVX&) = delete;
    cQVX& operator=(const cQVX&) = delete;

    // Reading and validation. Load returns false only when the file cannot be opened or read;
    // a file that was read but failed a check returns true with valid false.
    bool Load(const QString& path);
    bool ParseHeader(QByteArrayView bytes);
    void Reset();
    QString CaptureDateText() const; // "3rd March 2007"; empty when the date is out of range
    QString CaptureTimeText() const; // "9.05"; empty when the time is out of range

    // Pixel decoding, correction and temperatures.
    bool LoadPixels(int width, int height);
    void Smooth(int width, int height);
    double ToTemperature(qint32 value, double emissivity) const;
    float MarkerTemperature(int index) const;
    float MarkerDifference(int first, int second) const;
    void AutoDisplayRange(int& low, int& high) const;

    // Rendering. Render returns 160 * 120 pixels of blue, green, red bytes, raw row 0 first,
    // owned by the snapshot until the next Render or Reset; nullptr when there is nothing to show.
    void SetPalette(const cColourPalette& source);
    const std::vector<qint32>* Upscale(int width, int height, int factor);
    const quint8* Render(int width, int height, int factor, int low, int high);

    // Marker drawing on a picture whose origin is the target rectangle's origin.
    void DrawMarker(QPainter* painter, const QRect& target, int index) const;
    void DrawMarkers(QPainter* painter, const QRect& target) const;
    void DrawMarkerPair(QPainter* painter, const QRect& target, int first, int second) const;
    static void DrawCentreMark(QPainter* painter, const QRect& target);

    const std::vector<qint32>& Raw() const { return raw; }
    const std::vector<qint32>& Smoothed() const { return smoothed; }
    const cColourPalette& Palette() const { return palette; }

    quint8 versionMajor = 0;
    quint8 versionMinor = 4;
    quint8 captureHour = 0;
    quint8 captureMinute = 0;
    quint8 captureSecond = 0;
    quint8 captureDay = 1;
    quint8 captureMonth = 1;
    quint16 captureYear = 2000;
    quint8 secondHour = 0;
    quint8 secondMinute = 0;
    quint8 secondSecond = 0;
    quint8 secondDay = 1;
    quint8 secondMonth = 1;
    quint16 secondYear = 2000;
    std::array<char16_t, 32> shortText{};
    quint8 rangeType = 255;
    quint8 rangeSubtype = 255;
    qint32 pixelOffset = 0;
    qint32 pixelLength = 0;
    qint32 extraOffset = 0;
    qint32 extraLength = 0;
    qint32 header52 = 0;
    qint32 header56 = 0;
    qint16 reflectedTemp = 0;
    quint8 paletteCode = 1;
    qint16 displayLow = 0;
    qint16 displayHigh = 0;
    quint8 unitCode = 0;
    quint8 emissivity = 100;
    qint16 header69 = 0;
    qint32 header6B = 0;
    quint8 header6F = 0;
    quint8 orientation = 0;
    qint16 band1Low = 0;
    qint16 band1High = 0;
    qint16 band2Low = 0;
    qint16 band2High = 0;
    std::array<char16_t, 256> longText{};
    quint8 markerCount = 0;
    std::array<quint16, MaxMarkers> markerX{};
    std::array<quint16, MaxMarkers> markerY{};
    std::array<quint8, MaxMarkers> markerEmissivity{};

    // Optional block, kept as read; nothing interprets it.
    struct ExtraLayoutA
    {
        quint8 byte0 = 0;
        qint16 word1 = 0;
        qint32 long3 = 0;
        qint16 word7 = 0;
        qint16 word9 = 0;
        qint32 long11 = 0;
        std::array<qint16, 5> words15{};
    } extraA;
    std::array<qint16, 9> extraB{};

    bool valid = false;

    quint8 rainbowCode = 2;
    quint8 ironbowCode = 1;
    quint8 greyCode = 0;
    quint8 highContrastCode = 3;
    std::array<quint8, 3> furtherPaletteCodes{4, 5, 6};
    quint8 kelvinCode = 2;
    quint8 celsiusCode = 0;
    quint8 fahrenheitCode = 1;

    float valueScale = 10.0f;

private:
    QByteArray pixelBytes;
    std::vector<qint32> raw;
    std::vector<qint32> smoothed;
    std::vector<qint32> scaled;
    std::vector<quint8> indexImage;
    std::vector<quint8> rgb;
    int renderedWidth = 0;
    int renderedHeight = 0;
    cColourPalette palette;
};

// Line and frame colour of a marker as 0x00BBGGRR values.
struct MarkerColourPair
{
    quint32 line;
    quint32 frame;
};
MarkerColourPair MarkerColours(int index);
