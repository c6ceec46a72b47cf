#include "ReportFixture.h"
#include "output/ReportFonts.h"

#include "app/text/TextFits.h"
#include "lang/QvxLanguageLibrary.h"

#include <QLibrary>
#include <QRawFont>

#include <gtest/gtest.h>

#include <functional>
#include <map>

namespace {

const QChar Ellipsis(0x2026);

QString WithoutSpaces(QString text)
{
    text.removeIf([](QChar c) { return c.isSpace(); });
    return text;
}

bool IsCjk(char32_t c)
{
    return (c >= 0x3000 && c <= 0x30FF) || (c >= 0x3400 && c <= 0x9FFF) || (c >= 0xAC00 && c <= 0xD7AF) ||
        (c >= 0xFF00 && c <= 0xFFEF);
}

// Every Chinese, Japanese and Korean character of the Japanese language library, in the order
// they first appear.
QString LanguageLibraryCharacters()
{
    QLibrary library(QStringLiteral(THERMREPORT_BINARY_DIR "/bin/QVX Japanese"));
    const auto text = reinterpret_cast<QvxLanguageStringFunction>(library.resolve("QvxLanguageString"));
    EXPECT_NE(text, nullptr) << library.errorString().toStdString();
    QString characters;
    for (unsigned id = 0; text && id < 0x10000; ++id) {
        if (const char* utf8 = text(id)) {
            for (const char32_t c : QString::fromUtf8(utf8).toUcs4()) {
                const QString character = QString::fromUcs4(&c, 1);
                if (IsCjk(c) && !characters.contains(character)) {
                    characters += character;
                }
            }
        }
    }
    return characters;
}

class JapaneseReport : public testing::Test
{
protected:
    ReportFixture files;
};

// pdftotext gives back what was typed: no Kangxi radical in place of an ideograph, no
// character lost at a line end.
TEST_F(JapaneseReport, TextComesBackFromThePdfAsTyped)
{
    const QString library = LanguageLibraryCharacters();
    ASSERT_GT(library.size(), 150);
    ASSERT_TRUE(library.contains(QStringLiteral("赤")) || library.contains(QStringLiteral("一")));
    ReportProject project = files.Project(1, files.WriteSnapshot(QStringLiteral("a.qvx")));
    ReportTitle& title = project.title;
    title.company = QStringLiteral("赤坂電気工業株式会社");
    title.author = QStringLiteral("山田 一郎");
    title.generalComments = QStringLiteral("年次の赤外線サーモグラフィ点検。一部の端子に過熱あり。\r\n") + library +
        QStringLiteral("\r\n赤い部分は高温、青い部分は低温を示す。");
    InspectionDetails& details = *project.DetailsAt(0);
    details.name = QStringLiteral("第一受電盤 主遮断器");
    details.operatorName = QStringLiteral("佐藤 花子");
    details.location = QStringLiteral("第二工場 電気室");
    details.equipment = QStringLiteral("高圧受電盤の主遮断器と計器用変成器");
    details.comment = QStringLiteral("通常負荷で測定。赤相の端子が周囲より十二度高い。締付けトルクの不足と見られる。");
    details.faultAction = QStringLiteral("端子の緩み。接触面を清掃し、規定トルクで締め直すこと。");
    const QString path = files.WriteReport(QStringLiteral("japanese.pdf"), project);
    ASSERT_FALSE(path.isEmpty());

    const QString titlePage = DrawnPageText(path, 1);
    for (const QString& typed : {title.company, title.author, title.generalComments}) {
        EXPECT_TRUE(titlePage.contains(WithoutSpaces(typed))) << typed.toStdString() << "\n" << titlePage.toStdString();
    }
    const QString page = DrawnPageText(path, 3);
    for (const QString& typed : {details.name,
                                 details.operatorName,
                                 details.location,
                                 details.equipment,
                                 details.comment,
                                 details.faultAction}) {
        EXPECT_TRUE(page.contains(WithoutSpaces(typed))) << typed.toStdString() << "\n" << page.toStdString();
    }
    for (const QString& text : {titlePage, page}) {
        EXPECT_FALSE(text.contains(Ellipsis));
        for (const char32_t c : text.toUcs4()) {
            EXPECT_FALSE(c >= 0x2E80 && c <= 0x2FDF) << "a radical U+" << std::hex << unsigned(c);
        }
    }
    const PdfFacts pdf = ReadPdf(path);
    EXPECT_TRUE(pdf.fonts.join(QLatin1Char('\n')).contains(QStringLiteral("VL-Gothic")))
        << pdf.fonts.join('\n').toStdString();
}

// A PDF viewer reads a glyph back as the lowest character the font maps to it; a font that
// shares one glyph between an ideograph and its radical gives the radical back. The report's
// Japanese fonts give each ideograph and kana its own glyph.
TEST(ReportFontsForJapanese, GiveEveryIdeographItsOwnGlyph)
{
    std::map<char32_t, QString> covered; // character to the family that draws it
    for (const QString& family : CjkFamilies()) {
        QFont font(family);
        font.setPixelSize(45);
        const QRawFont raw = QRawFont::fromFont(font);
        ASSERT_TRUE(raw.isValid()) << family.toStdString();
        ASSERT_EQ(raw.familyName(), family) << "the font is not installed";
        std::map<quint32, char32_t> firstOfGlyph;
        for (char32_t c = 0x20; c < 0x10000; ++c) {
            if (c >= 0xD800 && c < 0xE000) {
                continue;
            }
            const QList<quint32> glyphs = raw.glyphIndexesForString(QString::fromUcs4(&c, 1));
            if (glyphs.isEmpty() || glyphs.first() == 0) {
                continue;
            }
            const auto [first, added] = firstOfGlyph.emplace(glyphs.first(), c);
            const bool ideographOrKana = (c >= 0x3040 && c <= 0x30FF) || (c >= 0x3400 && c <= 0x9FFF);
            if (ideographOrKana && !covered.count(c)) {
                covered[c] = family;
                EXPECT_TRUE(added) << family.toStdString() << " draws U+" << std::hex << unsigned(c)
                                   << " with the glyph of U+" << unsigned(first->second);
            }
        }
    }
    EXPECT_GT(covered.size(), 20000u);
}

// What the report prints of a typed field: its own box, and where there is one, the summary row
// or contents line that repeats it. Pages of a one-inspection report: 1 title, 2 contents,
// 3 the inspection, 4 summary.
struct FieldPages
{
    TypedField field;
    const char* name;
    int page;
    int repeatedOn; // 0 for none
};

const FieldPages Fields[] = {{TypedField::Company, "company", 1, 0},
                             {TypedField::Author, "author", 1, 0},
                             {TypedField::GeneralComments, "general comments", 1, 0},
                             {TypedField::Name, "name", 3, 2},
                             {TypedField::Operator, "operator", 3, 0},
                             {TypedField::Location, "location", 3, 4},
                             {TypedField::Equipment, "equipment", 3, 4},
                             {TypedField::Comment, "comment", 3, 0},
                             {TypedField::FaultAction, "fault", 3, 4}};

QString& FieldOf(ReportProject& project, TypedField field)
{
    InspectionDetails& details = *project.DetailsAt(0);
    switch (field) {
    case TypedField::Company:
        return project.title.company;
    case TypedField::Author:
        return project.title.author;
    case TypedField::GeneralComments:
        return project.title.generalComments;
    case TypedField::Name:
        return details.name;
    case TypedField::Operator:
        return details.operatorName;
    case TypedField::Location:
        return details.location;
    case TypedField::Equipment:
        return details.equipment;
    case TypedField::Comment:
        return details.comment;
    case TypedField::FaultAction:
        break;
    }
    return details.faultAction;
}

// The longest start of `pattern` for which `holds` is true, found by halving: the start one
// character longer does not hold.
qsizetype LongestStart(const QString& pattern, const std::function<bool(const QString&)>& holds)
{
    qsizetype good = 0;
    qsizetype bad = pattern.size();
    EXPECT_FALSE(holds(pattern)) << "the pattern is too short to reach the limit";
    while (bad - good > 1) {
        const qsizetype middle = (good + bad) / 2;
        (holds(pattern.left(middle)) ? good : bad) = middle;
    }
    return good;
}

// Some start of the text, followed by an ellipsis.
bool EndsEarlyIn(const QString& page, const QString& text)
{
    for (qsizetype length = text.size() - 1; length > 0; --length) {
        if (page.contains(text.left(length) + Ellipsis)) {
            return true;
        }
    }
    return false;
}

struct PatternCase
{
    const char* name;
    QString pattern;
    ReportTemplate reportTemplate;
};

void PrintTo(const PatternCase& c, std::ostream* out)
{
    *out << c.name;
}

class FitWarnings : public testing::TestWithParam<PatternCase>
{
protected:
    ReportFixture files;
};

// For every typed field, the texts on either side of each warning's limit: a warning means
// the report cuts the text, no warning means it prints it whole.
TEST_P(FitWarnings, AgreeWithWhatTheReportPrints)
{
    const PatternCase& c = GetParam();
    const TypedTextPlace place {c.reportTemplate, 0};
    // Four reports, each with every field at one side of one limit.
    std::vector<std::map<TypedField, QString>> reports(4);
    for (const FieldPages& field : Fields) {
        if (field.field == TypedField::Equipment && c.reportTemplate == ReportTemplate::Buildings) {
            continue;
        }
        // Each field starts with a mark of its own, so that no other field's text contains it.
        const QString pattern = QStringLiteral("F%1 ").arg(int(&field - Fields)) + c.pattern;
        const qsizetype whole = LongestStart(
            pattern, [&](const QString& text) { return TypedTextFit(field.field, text, place) == TextFit::Fits; });
        const qsizetype notCut = LongestStart(
            pattern, [&](const QString& text) { return TypedTextFit(field.field, text, place) != TextFit::Cut; });
        reports[0][field.field] = pattern.left(whole);
        reports[1][field.field] = pattern.left(whole + 1);
        reports[2][field.field] = pattern.left(notCut);
        reports[3][field.field] = pattern.left(notCut + 1);
    }
    const QString snapshot = files.WriteSnapshot(QStringLiteral("a.qvx"));
    for (size_t report = 0; report < reports.size(); ++report) {
        ReportProject project = files.Project(1, snapshot);
        for (const auto& [field, text] : reports[report]) {
            FieldOf(project, field) = text;
        }
        const QString path = files.WriteReport(QStringLiteral("r%1.pdf").arg(report), project, {c.reportTemplate, {}});
        ASSERT_FALSE(path.isEmpty());
        std::map<int, QString> pages;
        for (int page = 1; page <= 4; ++page) {
            pages[page] = DrawnPageText(path, page);
        }
        for (const FieldPages& field : Fields) {
            if (!reports[report].count(field.field)) {
                continue;
            }
            const QString& typed = reports[report][field.field];
            const QString text = WithoutSpaces(typed);
            const TextFit fit = TypedTextFit(field.field, typed, place);
            const std::string what = std::string(field.name) + " of " + std::to_string(typed.size()) + " characters";
            const QString& own = pages[field.page];
            if (fit == TextFit::Cut) {
                EXPECT_FALSE(own.contains(text)) << what << " is printed whole despite the red warning";
                EXPECT_TRUE(EndsEarlyIn(own, text)) << what << ": no ellipsis\n" << own.toStdString();
                continue;
            }
            EXPECT_TRUE(own.contains(text) && !own.contains(text + Ellipsis))
                << what << " is cut without a red warning\n"
                << own.toStdString();
            if (field.repeatedOn == 0) {
                continue;
            }
            const QString& repeated = pages[field.repeatedOn];
            if (fit == TextFit::Shortened) {
                EXPECT_FALSE(repeated.contains(text)) << what << " is repeated whole despite the orange warning";
                EXPECT_TRUE(EndsEarlyIn(repeated, text)) << what << ": no ellipsis\n" << repeated.toStdString();
            } else {
                EXPECT_TRUE(repeated.contains(text)) << what << " is shortened without a warning\n"
                                                     << repeated.toStdString();
            }
        }
    }
}

QString Repeated(const QString& text, int times)
{
    return text.repeated(times);
}

INSTANTIATE_TEST_SUITE_P(
    Patterns,
    FitWarnings,
    testing::Values(
        PatternCase {"LatinMaintenance",
                     Repeated(QStringLiteral("Loose connection at the breaker terminal; clean and re-torque the "
                                             "contact faces. Monitor at the next survey. "),
                              40),
                     ReportTemplate::Maintenance},
        PatternCase {
            "JapaneseBuildings",
            Repeated(QStringLiteral("配電盤の端子台で接続部が過熱しています。ボルトを締め直してください。"), 80),
            ReportTemplate::Buildings},
        PatternCase {"LongWordsMaintenance",
                     Repeated(QStringLiteral("Thermographyinspection overloaded "), 150),
                     ReportTemplate::Maintenance}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
