#include "pages/pictures/DibImage.h"
#include "BmpBuilder.h"

#include "snapshot/ByteView.h"

#include <QBuffer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

std::vector<quint8> Gradient(int width, int height)
{
    std::vector<quint8> bytes(3 * width * height);
    for (size_t i = 0; i < bytes.size(); ++i) {
        bytes[i] = quint8(i * 7 + 3);
    }
    return bytes;
}

TEST(DibImageFromPixels, WritesTheInformationHeader)
{
    DibImage dib;
    const auto pixels = Gradient(160, 120);
    dib.FromPixels(160, 120, pixels.data());
    ASSERT_TRUE(dib.IsValid());
    ASSERT_EQ(dib.Info().size(), 40);
    const ByteView header(dib.Info(), ByteOrder::Little);
    EXPECT_EQ(header.Read<quint32>(0), 40u);
    EXPECT_EQ(header.Read<qint32>(4), 160);
    EXPECT_EQ(header.Read<qint32>(8), 120);
    EXPECT_EQ(header.Read<quint16>(12), 1);
    EXPECT_EQ(header.Read<quint16>(14), 24);
    EXPECT_EQ(header.Read<quint32>(16), 0u);
    EXPECT_EQ(header.Read<quint32>(20), 57600u);
    for (int offset = 24; offset < 40; offset += 4) {
        EXPECT_EQ(header.Read<quint32>(offset), 0u) << offset;
    }
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(pixels.data()), 57600), dib.Bits());
}

TEST(DibImageFromPixels, PadsRowsToFourBytes)
{
    DibImage dib;
    const auto pixels = Gradient(106, 80);
    dib.FromPixels(106, 80, pixels.data());
    ASSERT_EQ(dib.Bits().size(), 80 * 2 + 106 * 80 * 3);
    const QByteArray& bits = dib.Bits();
    for (int row = 0; row < 80; ++row) {
        const QByteArray stored = bits.mid(row * 320, 318);
        ASSERT_EQ(stored, QByteArray(reinterpret_cast<const char*>(pixels.data()) + row * 318, 318)) << row;
        EXPECT_EQ(bits.mid(row * 320 + 318, 2), QByteArray(2, '\0')) << row;
    }
}

TEST(DibImageFromPixels, WithoutBytesIsBlackAndDrawsBottomRowFirst)
{
    DibImage dib;
    dib.FromPixels(5, 3, nullptr);
    QImage black = dib.ToImage();
    EXPECT_EQ(black.pixel(4, 2), qRgb(0, 0, 0));

    // Bottom row blue, then green, then red on top; bytes are blue, green, red.
    std::vector<quint8> rows;
    for (const auto& bgr : {std::array<quint8, 3> {255, 0, 0}, {0, 255, 0}, {0, 0, 255}}) {
        for (int x = 0; x < 5; ++x) {
            rows.insert(rows.end(), bgr.begin(), bgr.end());
        }
    }
    dib.FromPixels(5, 3, rows.data());
    const QImage image = dib.ToImage();
    ASSERT_EQ(image.size(), QSize(5, 3));
    EXPECT_EQ(image.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(2, 1), qRgb(0, 255, 0));
    EXPECT_EQ(image.pixel(4, 2), qRgb(0, 0, 255));
}

TEST(DibImageLoad, EmptyOrMissingPathIsNotLoaded)
{
    DibImage dib;
    EXPECT_FALSE(dib.LoadBmpFile(QString()));
    EXPECT_FALSE(dib.Loaded());
    EXPECT_FALSE(dib.LoadBmpFile(QStringLiteral("/nonexistent/picture.bmp")));
    EXPECT_FALSE(dib.Loaded());
    EXPECT_FALSE(dib.IsValid());
}

TEST(DibImageLoad, FileWithoutBitmapTypeIsLoadedButNotValid)
{
    BmpBuilder builder;
    QByteArray bytes = builder.Build();
    bytes[0] = 'X';
    DibImage dib;
    EXPECT_FALSE(dib.LoadBmpBytes(bytes));
    EXPECT_TRUE(dib.Loaded());
    EXPECT_FALSE(dib.IsValid());
}

TEST(DibImageLoad, KeepsHeaderColourTableAndBitsAndClearsAgain)
{
    BmpBuilder builder;
    builder.bitCount = 8;
    builder.palette = {Qt::red, Qt::green, Qt::blue};
    const QByteArray bytes = builder.Build();
    QTemporaryDir folder;
    const QString path = folder.filePath("palette.bmp");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();

    DibImage dib;
    ASSERT_TRUE(dib.LoadBmpFile(path));
    EXPECT_TRUE(dib.Loaded());
    EXPECT_EQ(dib.FileHeader().bitsOffset, 54u + 12u);
    EXPECT_EQ(dib.FileHeader().size, quint32(bytes.size()));
    EXPECT_EQ(dib.ColourTable(), bytes.mid(54, 12));
    EXPECT_EQ(dib.Info(), bytes.mid(14, 52));
    EXPECT_EQ(dib.Bits(), bytes.mid(66));
    EXPECT_EQ(dib.Width(), 4);
    EXPECT_EQ(dib.Height(), 3);

    dib.Clear();
    EXPECT_FALSE(dib.IsValid());
    EXPECT_FALSE(dib.Loaded());
    EXPECT_TRUE(dib.Bits().isEmpty());
    EXPECT_TRUE(dib.ColourTable().isEmpty());
    EXPECT_EQ(dib.Width(), 0);
}

QByteArray PatternRows(const BmpBuilder& builder)
{
    const qint64 rows = builder.height < 0 ? -qint64(builder.height) : builder.height;
    QByteArray bytes(builder.RowStride() * rows, '\0');
    for (qint64 i = 0; i < bytes.size(); ++i) {
        bytes[i] = char(i * 37 + 11);
    }
    return bytes;
}

struct EncodingCase
{
    const char* name;
    quint16 bitCount;
    quint32 compression;
    qint32 height;
    std::vector<quint32> masks;
    quint32 infoSize = 40;
};

void PrintTo(const EncodingCase& encoding, std::ostream* out)
{
    *out << encoding.name;
}

class DibImageDecoding : public testing::TestWithParam<EncodingCase>
{
};

// Every encoding is compared with Qt's own bitmap reader on the same bytes.
TEST_P(DibImageDecoding, MatchesAnIndependentDecoder)
{
    const EncodingCase& encoding = GetParam();
    BmpBuilder builder;
    builder.width = 7;
    builder.height = encoding.height;
    builder.bitCount = encoding.bitCount;
    builder.compression = encoding.compression;
    builder.masks = encoding.masks;
    builder.infoSize = encoding.infoSize;
    if (encoding.bitCount <= 8) {
        for (int i = 0; i < (1 << encoding.bitCount); ++i) {
            builder.palette.push_back(QColor((i * 53) % 256, (i * 97) % 256, (i * 151) % 256));
        }
    }
    builder.rows = PatternRows(builder);
    const QByteArray bytes = builder.Build();

    DibImage dib;
    ASSERT_TRUE(dib.LoadBmpBytes(bytes));
    const QImage ours = dib.ToImage();
    const QImage reference = QImage::fromData(bytes, "BMP").convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(reference.isNull());
    ASSERT_EQ(ours.size(), reference.size());
    for (int y = 0; y < ours.height(); ++y) {
        for (int x = 0; x < ours.width(); ++x) {
            ASSERT_EQ(QColor(ours.pixel(x, y)), QColor(reference.pixel(x, y))) << x << "," << y;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Encodings,
                         DibImageDecoding,
                         testing::Values(EncodingCase {"mono", 1, 0, 5, {}},
                                         EncodingCase {"sixteenColours", 4, 0, 5, {}},
                                         EncodingCase {"palette", 8, 0, 5, {}},
                                         EncodingCase {"rgb555", 16, 0, 5, {}},
                                         EncodingCase {"rgb565", 16, 3, 5, {0xF800, 0x07E0, 0x001F}},
                                         EncodingCase {"trueColour", 24, 0, 5, {}},
                                         EncodingCase {"topDown", 24, 0, -5, {}},
                                         EncodingCase {"rgbx", 32, 0, 5, {}},
                                         EncodingCase {"bitFields32", 32, 3, 5, {0x0000FF00, 0x00FF0000, 0xFF000000}}),
                         [](const testing::TestParamInfo<EncodingCase>& info) { return std::string(info.param.name); });

TEST(DibImageLoad, ReadsFilesWrittenByQt)
{
    QImage source(9, 6, QImage::Format_RGB32);
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 9; ++x) {
            source.setPixel(x, y, qRgb(x * 28, y * 40, (x + y) * 15));
        }
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(source.save(&buffer, "BMP"));
    DibImage dib;
    ASSERT_TRUE(dib.LoadBmpBytes(bytes));
    EXPECT_EQ(dib.ToImage(), source);
}

} // namespace
