#include "report/ExtensionEntry.h"

#include "SampleProjects.h"

#include <gtest/gtest.h>

namespace {

using namespace Layout;

TEST(ExtensionEntry, TextsAreAByteLengthAndUtf8)
{
    EntryWriter out;
    out.WriteText(QStringLiteral("Zoë 北"));
    out.WriteUInt32(7);
    EXPECT_EQ(out.Bytes(), Int32(8) + QByteArray("Zo\xC3\xAB \xE5\x8C\x97") + Int32(7));
}

TEST(ExtensionEntry, TextsReadBackAsWritten)
{
    const QString texts[] = {QString(),
                             QStringLiteral("\uFEFFbom first"),
                             QString::fromUtf16(u"a\0b", 3),
                             QString(70000, QChar(u'ü')),
                             QStringLiteral("🔥 emoji")};
    for (const QString& text : texts) {
        EntryWriter out;
        out.WriteText(text);
        EntryReader in(out.Bytes());
        EXPECT_EQ(in.ReadText(), text);
        EXPECT_TRUE(in.AtEnd());
    }
}

TEST(ExtensionEntry, BrokenTextsAreRefused)
{
    for (const QByteArray& bytes : {QByteArray("\x03\x00\x00", 3),
                                    Int32(4) + "abc",
                                    Int32(-1) + "abc",
                                    Int32(2) + "\xC3\x28",
                                    Int32(3) + "\xED\xA0\x80"}) {
        EntryReader in(bytes);
        EXPECT_EQ(in.ReadText(), std::nullopt) << bytes.toHex(' ').toStdString();
    }
}

} // namespace
