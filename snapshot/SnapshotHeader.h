#pragma once

#include <QtGlobal>

#include <array>

// The values a snapshot file carries besides its pixels, each with the value an empty snapshot
// holds. cQVX inherits them, so resetting a snapshot is assigning a fresh SnapshotHeader.
struct SnapshotHeader
{
    static constexpr int MaxMarkers = 10;

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
    std::array<char16_t, 32> shortText {};
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
    std::array<char16_t, 256> longText {};
    quint8 markerCount = 0;
    std::array<quint16, MaxMarkers> markerX {};
    std::array<quint16, MaxMarkers> markerY {};
    std::array<quint8, MaxMarkers> markerEmissivity {100, 100, 100, 100, 100, 100, 100, 100, 100, 100};

    // Optional block, kept as read; nothing interprets it.
    struct ExtraLayoutA
    {
        quint8 byte0 = 0;
        qint16 word1 = 0;
        qint32 long3 = 0;
        qint16 word7 = 0;
        qint16 word9 = 0;
        qint32 long11 = 0;
        std::array<qint16, 5> words15 {};
    } extraA;
    std::array<qint16, 9> extraB {};

    // True when the last load succeeded and the content may be used.
    bool valid = false;

    // Unit and palette codes; their values depend on the file's version (new files by default).
    quint8 rainbowCode = 2;
    quint8 ironbowCode = 1;
    quint8 greyCode = 0;
    quint8 highContrastCode = 3;
    std::array<quint8, 3> furtherPaletteCodes {4, 5, 6};
    quint8 kelvinCode = 2;
    quint8 celsiusCode = 0;
    quint8 fahrenheitCode = 1;

    // Raw values per degree Celsius: 100 (hundredths) or 10 (tenths).
    float valueScale = 10.0f;
};
