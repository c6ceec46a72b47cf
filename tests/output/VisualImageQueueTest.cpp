#include "output/VisualImageQueue.h"
#include "ReportFixture.h"

#include <gtest/gtest.h>

namespace {

TEST(VisualImageQueue, HandsOutEachPictureDecodedAtTheLimitInAnyOrder)
{
    ReportFixture files;
    const QStringList paths = {files.WritePhoto(QStringLiteral("a.jpg"), {800, 600}, Qt::red),
                               QString(),
                               files.PathOf(QStringLiteral("missing.jpg")),
                               files.WritePhoto(QStringLiteral("d.png"), {40, 30}, Qt::blue, "PNG")};
    VisualImageQueue queue(paths, {QSize(200, 100), false}, 1);

    const auto last = queue.Take(3);
    ASSERT_TRUE(last);
    EXPECT_EQ(last->image.size(), QSize(40, 30));
    EXPECT_EQ(QColor(last->image.pixel(5, 5)), QColor(Qt::blue));

    const auto first = queue.Take(0);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->image.size(), QSize(200, 100));
    // Measured at the file's own 800 x 600 pixels and 96 dots per inch, not at the decoded size.
    EXPECT_NEAR(first->himetric.width(), 21167, 10);
    EXPECT_NEAR(first->himetric.height(), 15875, 10);
    EXPECT_FALSE(queue.Take(1));
    EXPECT_FALSE(queue.Take(2));
    EXPECT_FALSE(queue.Take(4));
    EXPECT_FALSE(queue.Take(-1));
}

} // namespace
