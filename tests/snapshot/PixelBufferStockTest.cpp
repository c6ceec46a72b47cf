#include "snapshot/PixelBufferStock.h"
#include "snapshot/SnapshotPicture.h"
#include "tests/support/SnapshotTestFiles.h"

#include <gtest/gtest.h>

#include <QDir>

#include <thread>

namespace {

struct Decoded
{
    std::vector<qint32> raw;
    std::vector<qint32> smoothed;
    QImage picture;
};

Decoded DecodeAndRender(const QString& path)
{
    cQVX snapshot;
    Decoded result;
    if (snapshot.Load(path) && snapshot.valid) {
        result.picture = RenderPicture(snapshot);
        result.raw = snapshot.Raw();
        result.smoothed = snapshot.Smoothed();
    }
    return result;
}

// Each result of its own thread, where no buffer was used before.
std::vector<Decoded> DecodeEachAlone(const QStringList& paths)
{
    std::vector<Decoded> results(paths.size());
    for (qsizetype i = 0; i < paths.size(); ++i) {
        std::thread([&, i] { results[i] = DecodeAndRender(paths[i]); }).join();
    }
    return results;
}

QStringList ExampleSnapshots()
{
    const QDir examples(QStringLiteral(THERMREPORT_SOURCE_DIR "/examples"));
    QStringList paths;
    for (const QString& file : examples.entryList({QStringLiteral("*.qvx")}, QDir::Files, QDir::Name)) {
        paths << examples.filePath(file);
    }
    return paths;
}

void ExpectSame(const Decoded& actual, const Decoded& expected)
{
    EXPECT_EQ(actual.raw, expected.raw);
    EXPECT_EQ(actual.smoothed, expected.smoothed);
    EXPECT_EQ(actual.picture, expected.picture);
}

} // namespace

TEST(PixelBufferStock, ABufferLetGoIsTakenAgainOnlyOnItsThread)
{
    std::vector<qint32> buffer = TakePixelBuffer<qint32>(cQVX::PixelCount);
    ASSERT_EQ(buffer.size(), std::size_t(cQVX::PixelCount));
    buffer.front() = 4711;
    const qint32* memory = buffer.data();
    ReturnPixelBuffer(buffer);
    EXPECT_TRUE(buffer.empty());

    std::thread([memory] {
        const std::vector<qint32> other = TakePixelBuffer<qint32>(cQVX::PixelCount);
        EXPECT_NE(other.data(), memory);
        EXPECT_EQ(other.front(), 0);
    }).join();
    const std::vector<qint32> again = TakePixelBuffer<qint32>(cQVX::PixelCount);
    EXPECT_EQ(again.data(), memory);
}

// One thread going through a folder reuses the buffers of the snapshot before; several threads do
// so side by side. Every snapshot still decodes, smooths and renders exactly as it does alone.
TEST(PixelBufferStock, ReusedBuffersCarryNothingOver)
{
    const QStringList paths = ExampleSnapshots();
    ASSERT_GE(paths.size(), 3);
    const std::vector<Decoded> alone = DecodeEachAlone(paths);
    for (const Decoded& result : alone) {
        ASSERT_FALSE(result.picture.isNull());
    }

    // Twice in turn, in both directions, so that each follows others with different pixels.
    for (int pass = 0; pass < 2; ++pass) {
        for (qsizetype i = 0; i < paths.size(); ++i) {
            const qsizetype index = pass == 0 ? i : paths.size() - 1 - i;
            SCOPED_TRACE(paths[index].toStdString());
            ExpectSame(DecodeAndRender(paths[index]), alone[index]);
        }
    }

    std::vector<std::vector<Decoded>> perThread(3);
    std::vector<std::thread> threads;
    for (std::size_t t = 0; t < perThread.size(); ++t) {
        threads.emplace_back([&, t] {
            for (int round = 0; round < 3; ++round) {
                for (const QString& path : paths) {
                    perThread[t].push_back(DecodeAndRender(path));
                }
            }
        });
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
    for (const std::vector<Decoded>& results : perThread) {
        ASSERT_EQ(results.size(), 3 * alone.size());
        for (std::size_t i = 0; i < results.size(); ++i) {
            ExpectSame(results[i], alone[i % alone.size()]);
        }
    }
}
