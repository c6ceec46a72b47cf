#include "app/text/TextFits.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <cctype>

namespace {

QString Words(int count, int letters, const QString& separator)
{
    QStringList words;
    for (int i = 0; i < count; ++i) {
        words << QString(letters, QLatin1Char('a' + i % 26));
    }
    return words.join(separator);
}

// Japanese as typed: no blanks, a full stop now and then.
QString Japanese(int characters)
{
    const QString sentence = QStringLiteral("配電盤の端子台で接続部が過熱しています。");
    QString text;
    while (text.size() < characters) {
        text += sentence;
    }
    return text.left(characters);
}

std::string TestName(const char* name)
{
    std::string text = name;
    for (char& c : text) {
        if (!std::isalnum(static_cast<unsigned char>(c))) {
            c = '_';
        }
    }
    return text;
}

struct FitCase
{
    const char* name;
    QString text;
    bool fits;
};

void PrintTo(const FitCase& c, std::ostream* os)
{
    *os << c.name;
}

class FaultBox : public testing::TestWithParam<FitCase>
{
};

// The fault box of the inspection page: five lines of 1080 page units.
TEST_P(FaultBox, FitsWhatTheBoxPrintsWhole)
{
    const FitCase& c = GetParam();
    const ReportTextBox box = PrintedBoxes(TypedField::FaultAction, ReportTemplate::Maintenance).first();
    EXPECT_EQ(box.rect.size(), QSize(1080, 260));
    EXPECT_EQ(TextFits(c.text, box), c.fits) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Limits,
    FaultBox,
    testing::Values(FitCase {"empty", QString(), true},
                    FitCase {"five lines of short words", Words(40, 4, " "), true},
                    FitCase {"six lines of short words", Words(80, 4, " "), false},
                    // A word wider than a line is broken between its letters, so nothing is lost.
                    FitCase {"word of 25 letters", QString(25, QLatin1Char('w')), true},
                    FitCase {"long word after a line feed", QStringLiteral("ab\n") + QString(60, 'w'), true},
                    FitCase {"word of six lines", QString(6 * 34, QLatin1Char('w')), false},
                    FitCase {"runs of blanks", QStringLiteral("a     b"), true},
                    FitCase {"five lines with line feeds", Words(5, 3, "\n"), true},
                    FitCase {"five lines with CR LF", Words(5, 3, "\r\n"), true},
                    FitCase {"blank lines after five lines", Words(5, 3, "\r\n") + QStringLiteral("\r\n\r\n"), true},
                    FitCase {"six lines with line feeds", Words(6, 3, "\n"), false},
                    FitCase {"six lines with CR LF", Words(6, 3, "\r\n"), false},
                    FitCase {"six lines with carriage returns", Words(6, 3, "\r"), false},
                    FitCase {"Japanese of five lines", Japanese(5 * 24), true},
                    FitCase {"Japanese of six lines", Japanese(5 * 24 + 1), false}),
    [](const testing::TestParamInfo<FitCase>& info) { return TestName(info.param.name); });

struct FieldCase
{
    const char* name;
    TypedField field;
    ReportTemplate reportTemplate;
    QString text;
    TextFit fit;
};

void PrintTo(const FieldCase& c, std::ostream* os)
{
    *os << c.name;
}

class TypedTexts : public testing::TestWithParam<FieldCase>
{
};

// Cut where the field's own box cuts it; shortened where only the summary or contents does.
TEST_P(TypedTexts, FitTheBoxesTheyArePrintedIn)
{
    const FieldCase& c = GetParam();
    EXPECT_EQ(TypedTextFit(c.field, c.text, {c.reportTemplate, 0}), c.fit) << c.name;
}

constexpr ReportTemplate Maintenance = ReportTemplate::Maintenance;
constexpr ReportTemplate Buildings = ReportTemplate::Buildings;

INSTANTIATE_TEST_SUITE_P(
    Fields,
    TypedTexts,
    testing::Values(
        FieldCase {"one-line box with a break", TypedField::Name, Maintenance, QStringLiteral("a\nb"), TextFit::Cut},
        FieldCase {
            "company", TypedField::Company, Maintenance, QStringLiteral("Northfield Facilities Ltd"), TextFit::Fits},
        FieldCase {"company of 40 wide letters", TypedField::Company, Maintenance, QString(40, 'W'), TextFit::Cut},
        FieldCase {"author of 40 wide letters", TypedField::Author, Maintenance, QString(40, 'W'), TextFit::Cut},
        FieldCase {"operator", TypedField::Operator, Buildings, QString(17, QLatin1Char('o')), TextFit::Fits},
        FieldCase {"operator of 40 wide letters", TypedField::Operator, Buildings, QString(40, 'W'), TextFit::Cut},
        FieldCase {"location in Japanese", TypedField::Location, Maintenance, Japanese(16), TextFit::Fits},
        FieldCase {"location in Japanese too long", TypedField::Location, Maintenance, Japanese(17), TextFit::Cut},
        FieldCase {"equipment in Japanese", TypedField::Equipment, Maintenance, Japanese(32), TextFit::Fits},
        FieldCase {"equipment in Japanese too long", TypedField::Equipment, Maintenance, Japanese(33), TextFit::Cut},
        // Two long words share a line of the page's box, but each takes a line of its own in the summary.
        FieldCase {
            "equipment of three long words", TypedField::Equipment, Maintenance, Words(3, 12, " "), TextFit::Fits},
        FieldCase {
            "equipment of four long words", TypedField::Equipment, Maintenance, Words(4, 12, " "), TextFit::Shortened},
        FieldCase {"equipment of five long words", TypedField::Equipment, Maintenance, Words(5, 12, " "), TextFit::Cut},
        FieldCase {
            "equipment in Buildings is not printed", TypedField::Equipment, Buildings, Japanese(50), TextFit::Fits},
        FieldCase {"fault of three lines", TypedField::FaultAction, Maintenance, Words(3, 3, "\r\n"), TextFit::Fits},
        FieldCase {
            "fault of four lines", TypedField::FaultAction, Maintenance, Words(4, 3, "\r\n"), TextFit::Shortened},
        FieldCase {"fault of five lines", TypedField::FaultAction, Buildings, Words(5, 3, "\r\n"), TextFit::Shortened},
        // The Buildings summary gives the fault the equipment's column too.
        FieldCase {"Japanese fault, Buildings", TypedField::FaultAction, Buildings, Japanese(80), TextFit::Fits},
        FieldCase {"general comments of 35 lines",
                   TypedField::GeneralComments,
                   Maintenance,
                   Words(35, 4, "\r\n"),
                   TextFit::Fits},
        FieldCase {"general comments of 36 lines",
                   TypedField::GeneralComments,
                   Maintenance,
                   Words(36, 4, "\r\n"),
                   TextFit::Cut}),
    [](const testing::TestParamInfo<FieldCase>& info) { return TestName(info.param.name); });

// The name is printed after "Inspection" and the inspection's number, which takes room too.
TEST(TypedTexts, TheNameLeavesRoomForTheInspectionNumber)
{
    QString name;
    while (TypedTextFit(TypedField::Name, name + QLatin1Char('n'), {ReportTemplate::Maintenance, 0}) == TextFit::Fits) {
        name += QLatin1Char('n');
    }
    EXPECT_GT(name.size(), 36);
    EXPECT_EQ(TypedTextFit(TypedField::Name, name, {ReportTemplate::Maintenance, 8}), TextFit::Fits);
    EXPECT_EQ(TypedTextFit(TypedField::Name, name, {ReportTemplate::Maintenance, 9}), TextFit::Cut);
}

} // namespace
