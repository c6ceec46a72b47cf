#include "app/cli/ThumbnailCommand.h"
#include "SnapshotFixtures.h"
#include "snapshot/cQVX.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

// The file manager's snapshot previews: thermreport --thumbnail IN OUT SIZE.

namespace {

struct ThumbnailLine
{
    const char* name;
    QStringList arguments;
    int size; // 0 when the line is refused
};

void PrintTo(const ThumbnailLine& line, std::ostream* out)
{
    *out << line.name;
}

class ThumbnailCommandLine : public testing::TestWithParam<ThumbnailLine>
{
};

TEST_P(ThumbnailCommandLine, TakesASizeFrom16To1024)
{
    const auto parse = ParseThumbnailCommand(GetParam().arguments);
    EXPECT_EQ(parse.Ok(), GetParam().size != 0);
    EXPECT_EQ(parse.Message().isEmpty(), parse.Ok());
    if (parse.Ok()) {
        EXPECT_EQ(parse.Value().snapshotPath, "in.qvx");
        EXPECT_EQ(parse.Value().outputPath, "out.png");
        EXPECT_EQ(parse.Value().size, GetParam().size);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lines,
    ThumbnailCommandLine,
    testing::Values(ThumbnailLine {"smallest", {"--thumbnail", "in.qvx", "out.png", "16"}, 16},
                    ThumbnailLine {"largest", {"--thumbnail", "in.qvx", "out.png", "1024"}, 1024},
                    ThumbnailLine {"too_small", {"--thumbnail", "in.qvx", "out.png", "15"}, 0},
                    ThumbnailLine {"too_large", {"--thumbnail", "in.qvx", "out.png", "1025"}, 0},
                    ThumbnailLine {"negative", {"--thumbnail", "in.qvx", "out.png", "-128"}, 0},
                    ThumbnailLine {"not_whole", {"--thumbnail", "in.qvx", "out.png", "128.5"}, 0},
                    ThumbnailLine {"not_a_number", {"--thumbnail", "in.qvx", "out.png", "large"}, 0},
                    ThumbnailLine {"without_size", {"--thumbnail", "in.qvx", "out.png"}, 0},
                    ThumbnailLine {"extra_file", {"--thumbnail", "in.qvx", "out.png", "128", "x"}, 0},
                    ThumbnailLine {"with_option", {"--thumbnail", "in.qvx", "out.png", "128", "--scale", "2"}, 0}),
    [](const testing::TestParamInfo<ThumbnailLine>& info) { return std::string(info.param.name); });

const QString Example = QStringLiteral(THERMREPORT_SOURCE_DIR "/examples/panel-breaker.qvx");

// The program as a file manager starts it: no display at all, and a platform that would fail at
// once if the program asked for one.
QProcessEnvironment WithoutDisplay()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("DISPLAY");
    environment.remove("WAYLAND_DISPLAY");
    environment.insert("QT_QPA_PLATFORM", "xcb");
    return environment;
}

class ThumbnailProgram : public testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }

    QImage Thumbnail(int size)
    {
        const QString output = folder.filePath(QStringLiteral("thumbnail-%1.png").arg(size));
        const ProgramRun run = RunProgram({"--thumbnail", Example, output, QString::number(size)}, WithoutDisplay());
        EXPECT_EQ(run.status, 0) << run.err.toStdString();
        EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty());
        return QImage(output);
    }

    // The --png picture, enlarged `scale` times, scaled smoothly to `size`.
    QImage PngScaledTo(QSize size, int scale)
    {
        const QString output = folder.filePath("picture.png");
        const ProgramRun run = RunProgram({"--png", Example, output, "--scale", QString::number(scale)});
        EXPECT_EQ(run.status, 0) << run.err.toStdString();
        return QImage(output)
            .convertToFormat(QImage::Format_RGB32)
            .scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }

    QTemporaryDir folder;
};

// Where the centre mark and the spot markers are, in sensor pixels as shown.
std::vector<QPoint> MarkPositions()
{
    cQVX snapshot;
    EXPECT_TRUE(snapshot.Load(Example) && snapshot.valid);
    std::vector<QPoint> marks {{80, 60}};
    for (int i = 0; i < snapshot.markerCount; ++i) {
        marks.emplace_back(cQVX::Width - 1 - snapshot.markerX[i], snapshot.markerY[i]);
    }
    return marks;
}

// Whether the thumbnail pixel (x, y) lies where a mark is drawn on either picture: within 8 sensor
// pixels of its place (the --png marks, smoothed), or within 7 pixels at the thumbnail's own scale.
bool NearAMark(const std::vector<QPoint>& marks, QSize thumbnail, int x, int y)
{
    const double scale = double(thumbnail.width()) / cQVX::Width;
    const double reach = std::max(7.0, 8 * scale);
    return std::any_of(marks.begin(), marks.end(), [&](const QPoint& mark) {
        return std::abs(x + 0.5 - mark.x() * scale) < reach && std::abs(y + 0.5 - mark.y() * scale) < reach;
    });
}

TEST_F(ThumbnailProgram, FitsTheSquareWithTheAspectKept)
{
    for (const auto& [size, expected] : std::vector<std::pair<int, QSize>> {
             {16, {16, 12}}, {100, {100, 75}}, {128, {128, 96}}, {160, {160, 120}}, {1024, {1024, 768}}}) {
        EXPECT_EQ(Thumbnail(size).size(), expected) << size;
    }
}

TEST_F(ThumbnailProgram, ShowsThePngPictureAwayFromTheMarks)
{
    const std::vector<QPoint> marks = MarkPositions();
    // Made smaller, the thumbnail is the --png picture scaled the same way; made larger, the two
    // enlargements differ only where neighbouring pixels differ.
    for (const auto& [size, scale, tolerance] :
         std::vector<std::tuple<int, int, double>> {{128, 1, 0.0}, {100, 1, 0.0}, {512, 4, 4.0}}) {
        const QImage thumbnail = Thumbnail(size);
        const QImage reference = PngScaledTo(thumbnail.size(), scale);
        ASSERT_FALSE(thumbnail.isNull());
        double difference = 0;
        int compared = 0;
        for (int y = 0; y < thumbnail.height(); ++y) {
            for (int x = 0; x < thumbnail.width(); ++x) {
                if (NearAMark(marks, thumbnail.size(), x, y)) {
                    continue;
                }
                const QRgb a = thumbnail.pixel(x, y);
                const QRgb b = reference.pixel(x, y);
                difference +=
                    std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
                ++compared;
            }
        }
        ASSERT_GT(compared, thumbnail.width() * thumbnail.height() / 2) << size;
        EXPECT_LE(difference / (3.0 * compared), tolerance) << size;
    }
}

TEST_F(ThumbnailProgram, DrawsTheMarkersAtThumbnailScale)
{
    cQVX snapshot;
    ASSERT_TRUE(snapshot.Load(Example) && snapshot.valid);
    ASSERT_GT(snapshot.markerCount, 0);
    const QImage thumbnail = Thumbnail(256);
    for (int i = 0; i < snapshot.markerCount; ++i) {
        const quint32 line = MarkerColours(i).line; // 0x00BBGGRR
        const int x = int(float(cQVX::Width - 1 - snapshot.markerX[i]) * thumbnail.width() / cQVX::Width);
        const int y = int(float(snapshot.markerY[i]) * thumbnail.height() / cQVX::Height);
        EXPECT_EQ(thumbnail.pixelColor(x, y), QColor(line & 0xFF, (line >> 8) & 0xFF, (line >> 16) & 0xFF))
            << "marker " << i;
    }
}

TEST_F(ThumbnailProgram, UnusableFilesExitWith2AndLeaveNoPicture)
{
    const QString truncated = folder.filePath("truncated.qvx");
    const QString empty = folder.filePath("empty.qvx");
    const QString photo = folder.filePath("photo.qvx");
    QFile example(Example);
    ASSERT_TRUE(example.open(QIODevice::ReadOnly));
    ASSERT_TRUE(WriteBytes(truncated, example.readAll().chopped(100)));
    ASSERT_TRUE(WriteBytes(empty, {}));
    QImage picture(64, 48, QImage::Format_RGB32);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save(photo, "PNG"));

    const QString output = folder.filePath("out.png");
    for (const QString& input : {truncated, empty, photo, folder.filePath("missing.qvx"), folder.path()}) {
        const ProgramRun run = RunProgram({"--thumbnail", input, output, "128"}, WithoutDisplay());
        EXPECT_EQ(run.status, 2) << input.toStdString();
        EXPECT_TRUE(run.err.startsWith(("thermreport: " + input + ": ").toUtf8())) << run.err.toStdString();
        EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
        EXPECT_FALSE(QFile::exists(output)) << input.toStdString();
    }
    const ProgramRun unwritable = RunProgram({"--thumbnail", Example, folder.filePath("no/such/out.png"), "128"});
    EXPECT_EQ(unwritable.status, 2);
    EXPECT_EQ(unwritable.err.count('\n'), 1) << unwritable.err.toStdString();
}

TEST_F(ThumbnailProgram, SizeOutsideTheRangeIsWrongUsage)
{
    const QString output = folder.filePath("out.png");
    for (const QString size : {"15", "1025", "0", "big"}) {
        const ProgramRun run = RunProgram({"--thumbnail", Example, output, size}, WithoutDisplay());
        EXPECT_EQ(run.status, 64) << size.toStdString();
        EXPECT_TRUE(run.err.contains("16 to 1024")) << run.err.toStdString();
        EXPECT_FALSE(QFile::exists(output));
    }
}

} // namespace
