#include "snapshot/ColourValue.h"
#include "snapshot/cQVX.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {
const QColor Background(0, 0, 0);

class MarkerDrawing : public testing::Test
{
protected:
    // Draws with `draw` on a black picture of the given size, the target covering `target`.
    void Draw(const std::function<void(QPainter*, const QRect&)>& draw,
              QSize size = QSize(cQVX::Width, cQVX::Height),
              QRect target = QRect(0, 0, cQVX::Width, cQVX::Height))
    {
        picture = QImage(size, QImage::Format_RGB32);
        picture.fill(Background);
        QPainter painter(&picture);
        draw(&painter, target);
    }

    void PlaceMarker(int index, quint16 x, quint16 y)
    {
        snapshot.markerX[index] = x;
        snapshot.markerY[index] = y;
    }

    QColor At(int x, int y) const { return picture.pixelColor(x, y); }

    int CountNot(const QColor& colour) const
    {
        int count = 0;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                count += picture.pixelColor(x, y) != colour;
            }
        }
        return count;
    }

    int Count(const QColor& colour) const { return picture.width() * picture.height() - CountNot(colour); }

    cQVX snapshot;
    QImage picture;
};

const QColor Line0 = QColorFromColourValue(MarkerColours(0).line);
const QColor Frame0 = QColorFromColourValue(MarkerColours(0).frame);
} // namespace

TEST(MarkerColourValues, ConvertFromBlueGreenRed)
{
    EXPECT_EQ(QColorFromColourValue(MarkerColours(1).line), QColor(255, 128, 0));
    EXPECT_EQ(QColorFromColourValue(MarkerColours(3).line), QColor(0, 128, 255));
    EXPECT_EQ(QColorFromColourValue(MarkerColours(6).frame), QColor(0x78, 0x1E, 0x78));
    EXPECT_EQ(MarkerColours(0).line, 0x00FF00u);
    EXPECT_EQ(MarkerColours(9).frame, 0x404040u);
    for (const int index : {-1, 10, 255}) {
        EXPECT_EQ(MarkerColours(index).line, 0xFFFFFFu);
        EXPECT_EQ(MarkerColours(index).frame, 0x000000u);
    }
}

// Marker (79, 60) sits at picture pixel (80, 60): an 11 x 3 and a 3 x 11 frame, each crossed by
// a line that stops one pixel short of the frame's far side.
TEST_F(MarkerDrawing, InteriorMarkerIsAFramedCross)
{
    PlaceMarker(0, 79, 60);
    Draw([&](QPainter* painter, const QRect& target) { snapshot.DrawMarker(painter, target, 0); });

    EXPECT_EQ(At(80, 60), Line0);
    EXPECT_EQ(At(76, 60), Line0);
    EXPECT_EQ(At(84, 60), Line0);
    EXPECT_EQ(At(75, 60), Frame0);
    EXPECT_EQ(At(85, 60), Frame0);
    EXPECT_EQ(At(86, 60), Background);
    EXPECT_EQ(At(80, 56), Line0);
    EXPECT_EQ(At(80, 64), Line0);
    EXPECT_EQ(At(80, 55), Frame0);
    EXPECT_EQ(At(80, 65), Frame0);
    EXPECT_EQ(At(80, 66), Background);
    EXPECT_EQ(At(75, 59), Frame0);
    EXPECT_EQ(At(85, 61), Frame0);
    EXPECT_EQ(At(74, 59), Background);
    EXPECT_EQ(At(79, 55), Frame0);
    EXPECT_EQ(At(81, 65), Frame0);
    EXPECT_EQ(At(78, 55), Background);
    EXPECT_EQ(At(80, 59), Line0);
    EXPECT_EQ(At(79, 58), Frame0);
    EXPECT_EQ(At(77, 58), Background);
    // Two outlines of 24 pixels sharing 4, and the lines' 18 pixels of which 5 lie on them.
    EXPECT_EQ(CountNot(Background), 57);
    EXPECT_EQ(Count(Line0), 17);
}

// Marker (0, 0) is the picture's top-right pixel; the frames are cut at the top and right.
TEST_F(MarkerDrawing, MarkerAtTheOriginIsClippedTopRight)
{
    Draw([&](QPainter* painter, const QRect& target) { snapshot.DrawMarker(painter, target, 0); });

    EXPECT_EQ(At(159, 0), Line0);
    EXPECT_EQ(At(155, 0), Line0);
    EXPECT_EQ(At(154, 0), Frame0);
    EXPECT_EQ(At(153, 0), Background);
    EXPECT_EQ(At(154, 1), Frame0);
    EXPECT_EQ(At(154, 2), Background);
    EXPECT_EQ(At(159, 4), Line0);
    EXPECT_EQ(At(159, 5), Frame0);
    EXPECT_EQ(At(158, 5), Frame0);
    EXPECT_EQ(At(158, 1), Frame0);
    EXPECT_EQ(At(159, 6), Background);
    EXPECT_EQ(At(157, 2), Background);
    EXPECT_EQ(CountNot(Background), 12 + 12 - 4);
    EXPECT_EQ(Count(Line0), 9);
}

TEST_F(MarkerDrawing, ScalesWithTheTarget)
{
    PlaceMarker(0, 79, 60);
    PlaceMarker(1, 0, 0);
    Draw(
        [&](QPainter* painter, const QRect& target) {
            snapshot.DrawMarker(painter, target, 0);
            snapshot.DrawMarker(painter, target, 1);
        },
        QSize(320, 240),
        QRect(0, 0, 320, 240));

    EXPECT_EQ(At(160, 120), Line0);
    EXPECT_EQ(At(155, 120), Frame0);
    EXPECT_EQ(At(318, 0), QColorFromColourValue(MarkerColours(1).line));
    EXPECT_EQ(At(319, 0), QColorFromColourValue(MarkerColours(1).line));
}

// Markers beyond the sensor leave nothing outside the picture, whatever surrounds it.
TEST_F(MarkerDrawing, MarkersOffThePictureStayInsideIt)
{
    PlaceMarker(0, 200, 60);
    PlaceMarker(1, 79, 200);
    PlaceMarker(2, 65535, 65535);
    snapshot.markerCount = 3;
    Draw([&](QPainter* painter, const QRect& target) { snapshot.DrawMarkers(painter, target); }, QSize(400, 400));
    EXPECT_EQ(CountNot(Background), 0);
}

TEST_F(MarkerDrawing, MarkerJustOffTheEdgeShowsItsInnerEnd)
{
    PlaceMarker(0, 160, 60); // picture column -1
    Draw([&](QPainter* painter, const QRect& target) { snapshot.DrawMarker(painter, target, 0); }, QSize(200, 200));
    EXPECT_EQ(At(0, 60), Line0);
    EXPECT_EQ(At(3, 60), Line0);
    EXPECT_EQ(At(4, 60), Frame0);
    EXPECT_EQ(At(0, 59), Frame0);
    EXPECT_EQ(At(5, 60), Background);
}

TEST_F(MarkerDrawing, DrawMarkersDrawsTheFilesMarkersOnly)
{
    for (int index = 0; index < cQVX::MaxMarkers; ++index) {
        PlaceMarker(index, quint16(20 + 12 * index), quint16(10 + 10 * index));
    }
    snapshot.markerCount = 4;
    Draw([&](QPainter* painter, const QRect& target) { snapshot.DrawMarkers(painter, target); });
    for (int index = 0; index < cQVX::MaxMarkers; ++index) {
        const QColor line = QColorFromColourValue(MarkerColours(index).line);
        EXPECT_EQ(Count(line) > 0, index < 4) << index;
    }
}

TEST_F(MarkerDrawing, PairSkipsNegativeIndexes)
{
    for (int index = 0; index < 4; ++index) {
        PlaceMarker(index, quint16(20 + 30 * index), 60);
    }
    Draw([&](QPainter* painter, const QRect& target) { snapshot.DrawMarkerPair(painter, target, -1, 3); });
    EXPECT_EQ(Count(QColorFromColourValue(MarkerColours(3).line)), 17);
    EXPECT_EQ(Count(Line0), 0);
    EXPECT_EQ(CountNot(Background), 57);

    Draw([&](QPainter* painter, const QRect& target) {
        snapshot.DrawMarkerPair(painter, target, -1, -1);
        snapshot.DrawMarker(painter, target, 10);
        snapshot.DrawMarker(nullptr, target, 0);
        cQVX::DrawCentreMark(nullptr, target);
    });
    EXPECT_EQ(CountNot(Background), 0);
}

TEST_F(MarkerDrawing, CentreMarkCirclesTheSensorCentre)
{
    const QColor green(0, 255, 0);
    for (const int scale : {1, 2}) {
        const QSize size(cQVX::Width * scale, cQVX::Height * scale);
        Draw([](QPainter* painter, const QRect& target) { cQVX::DrawCentreMark(painter, target); },
             size,
             QRect(QPoint(0, 0), size));
        // Bounded by sensor pixels 78 to 82 and 58 to 62, the far edges excluded.
        const QRect box(78 * scale, 58 * scale, 4 * scale, 4 * scale);
        const int inside = Count(green);
        EXPECT_GE(inside, 4 * scale) << scale;
        EXPECT_EQ(CountNot(Background), inside) << scale;
        for (int y = 0; y < size.height(); ++y) {
            for (int x = 0; x < size.width(); ++x) {
                if (At(x, y) == green) {
                    EXPECT_TRUE(box.contains(x, y)) << scale << ": " << x << "," << y;
                }
            }
        }
        EXPECT_EQ(At(80 * scale, 60 * scale), Background) << "hollow";
    }
}
