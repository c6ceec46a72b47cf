#include "report/ArchiveString.h"

#include "SampleProjects.h"

#include <gtest/gtest.h>

namespace {

QByteArray Bytes(std::initializer_list<int> values)
{
    QByteArray bytes;
    for (int value : values) {
        bytes.append(char(value));
    }
    return bytes;
}

QByteArray Encode(const QString& text)
{
    ByteWriter out(ByteOrder::Little);
    WriteArchiveString(out, text);
    return out.Bytes();
}

std::optional<QString> DecodeWhole(const QByteArray& bytes)
{
    ByteCursor in(bytes, ByteOrder::Little);
    auto text = ReadArchiveString(in);
    return text && in.AtEnd() ? text : std::nullopt;
}

QString Repeated(int length)
{
    QString text;
    for (int i = 0; i < length; ++i) {
        text.append(QChar(u'a' + i % 26));
    }
    return text;
}

// Golden length prefixes of written strings: tag FF FE FF, then the length rules.
struct WrittenCase
{
    const char* name;
    int length;
    QByteArray prefix;
};

class WrittenString : public testing::TestWithParam<WrittenCase>
{
};

TEST_P(WrittenString, CarriesTheTagAndTheLengthRule)
{
    const WrittenCase& c = GetParam();
    const QString text = Repeated(c.length);
    const QByteArray bytes = Encode(text);
    ASSERT_EQ(bytes.size(), c.prefix.size() + 2 * c.length);
    EXPECT_EQ(bytes.left(c.prefix.size()).toHex(' '), c.prefix.toHex(' '));
    EXPECT_EQ(DecodeWhole(bytes), text);
}

TEST_P(WrittenString, FailsCleanlyWhenCutShort)
{
    const QByteArray bytes = Encode(Repeated(GetParam().length));
    // Every cut in the prefix and a sample of cuts in the characters.
    for (qsizetype cut = 0; cut < bytes.size(); cut += cut < 16 ? 1 : 997) {
        ByteCursor in(QByteArrayView(bytes).first(cut), ByteOrder::Little);
        EXPECT_FALSE(ReadArchiveString(in).has_value()) << "cut at " << cut;
    }
}

INSTANTIATE_TEST_SUITE_P(
    LengthRules,
    WrittenString,
    testing::Values(
        WrittenCase {"Empty", 0, Bytes({0xFF, 0xFE, 0xFF, 0x00})},
        WrittenCase {"Three", 3, Bytes({0xFF, 0xFE, 0xFF, 0x03})},
        WrittenCase {"Length254", 254, Bytes({0xFF, 0xFE, 0xFF, 0xFE})},
        WrittenCase {"Length255", 255, Bytes({0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0x00})},
        WrittenCase {"Length65533", 65533, Bytes({0xFF, 0xFE, 0xFF, 0xFF, 0xFD, 0xFF})},
        WrittenCase {"Length65534", 65534, Bytes({0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00})},
        WrittenCase {"Length70000", 70000, Bytes({0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00})}),
    [](const testing::TestParamInfo<WrittenCase>& info) { return info.param.name; });

TEST(ArchiveString, AbcIsTaggedUtf16)
{
    EXPECT_EQ(Encode("abc").toHex(' '), "ff fe ff 03 61 00 62 00 63 00");
}

TEST(ArchiveString, KeepsEveryUtf16CodeUnit)
{
    QString text = QString::fromUtf8("µ°€ 北 😀");
    text.append(QChar(0xD800)); // a lone surrogate stays as it was
    EXPECT_EQ(DecodeWhole(Encode(text)), text);
}

// Strings read that this writer never produces: untagged (narrow) ones from older writers,
// and the longer length forms.
struct ReadCase
{
    const char* name;
    QByteArray bytes;
    QString text;
};

class ReadString : public testing::TestWithParam<ReadCase>
{
};

TEST_P(ReadString, DecodesToTheText)
{
    EXPECT_EQ(DecodeWhole(GetParam().bytes), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    OlderForms,
    ReadString,
    testing::Values(ReadCase {"NarrowAscii", Layout::Narrow("abc"), "abc"},
                    ReadCase {"NarrowEmpty", Bytes({0x00}), ""},
                    // 0x80..0x9F differ from Latin-1; the undefined 0x81 stays a control character.
                    ReadCase {"NarrowWindows1252",
                              Layout::Narrow(Bytes({0x80, 0x81, 0x8C, 0x99, 0x9F, 0xA0, 0xE9, 0xFF})),
                              QString::fromUtf8("€\u0081Œ™Ÿ\u00A0éÿ")},
                    ReadCase {
                        "Narrow16BitLength", Bytes({0xFF, 0x00, 0x01}) + QByteArray(256, 'x'), QString(256, u'x')},
                    ReadCase {"Narrow32BitLength",
                              Bytes({0xFF, 0xFF, 0xFF, 0x02, 0x00, 0x00, 0x00, 0xE4, 0x21}),
                              QString::fromUtf8("ä!")},
                    ReadCase {"Wide64BitLength",
                              Bytes({0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                                     0x01, 0,    0,    0,    0,    0,    0,    0,    0x41, 0x00}),
                              "A"}),
    [](const testing::TestParamInfo<ReadCase>& info) { return info.param.name; });

TEST(ArchiveString, LengthsBeyondTheBytesFailWithoutAllocating)
{
    const QByteArray huge64 =
        Bytes({0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}) + QByteArray(8, '\xFF');
    EXPECT_FALSE(DecodeWhole(huge64).has_value());
    const QByteArray huge32 = Bytes({0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0xFF, 0xFF});
    EXPECT_FALSE(DecodeWhole(huge32).has_value());
    EXPECT_FALSE(DecodeWhole(Bytes({0x05, 'a', 'b'})).has_value());
    EXPECT_FALSE(DecodeWhole(Bytes({0xFF, 0xFE, 0xFF, 0x02, 'a', 0x00, 'b'})).has_value());
}

} // namespace
