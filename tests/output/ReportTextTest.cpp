#include "ReportFixture.h"

#include "app/text/TextFits.h"

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
