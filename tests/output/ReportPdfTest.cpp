#include "ReportFixture.h"

#include "snapshot/cQVX.h"

#include <gtest/gtest.h>

namespace {

class ReportPdf : public testing::Test
{
protected:
    ReportFixture files;
};

struct PageCountCase
{
    int inspections;
    int totalPages;
    int summaryPage; // page the contents list for the summary
    int summaryContentsPage; // the contents page that carries the summary line
};

void PrintTo(const PageCountCase& c, std::ostream* out)
{
    *out << c.inspections << " inspections";
}

class ReportPageCounts : public ReportPdf, public testing::WithParamInterface<PageCountCase>
{
};

// Title, contents, one page per inspection and the summary, with footers and contents lines
// that agree with the pages as printed.
TEST_P(ReportPageCounts, PagesFootersAndContentsAgree)
{
    const PageCountCase& expected = GetParam();
    const QString snapshot = files.WriteSnapshot(QStringLiteral("a.qvx"));
    const QString path = files.WriteReport(QStringLiteral("count.pdf"), files.Project(expected.inspections, snapshot));
    ASSERT_FALSE(path.isEmpty());
    const PdfFacts pdf = ReadPdf(path);
    ASSERT_EQ(pdf.pages, expected.totalPages);
    for (int page = 1; page <= pdf.pages; ++page) {
        EXPECT_TRUE(pdf.pageTexts[page - 1].contains(QStringLiteral("Page %1 of %2").arg(page).arg(pdf.pages)))
            << "page " << page;
    }
    const int contentsPages = expected.totalPages - expected.inspections - 1 - (expected.inspections + 13) / 14;
    for (int i = 0; i < expected.inspections; ++i) {
        const int page = i + contentsPages + 2;
        const QString heading = QStringLiteral("Inspection %1 - Item %1").arg(i + 1);
        EXPECT_TRUE(Simplified(pdf.pageTexts[page - 1]).startsWith(heading)) << "page " << page;
        const QString contents = Simplified(pdf.pageTexts[1 + i / 40]);
        EXPECT_TRUE(contents.contains(QStringLiteral("%1 %2").arg(heading).arg(page))) << heading.toStdString();
    }
    const QString summaryContents = Simplified(pdf.pageTexts[expected.summaryContentsPage - 1]);
    EXPECT_TRUE(summaryContents.contains(QStringLiteral("Summary %1 Page").arg(expected.summaryPage)))
        << summaryContents.toStdString();
    EXPECT_TRUE(Simplified(pdf.pageTexts[expected.summaryPage - 1]).startsWith(QStringLiteral("Summary")));
}

INSTANTIATE_TEST_SUITE_P(EdgeCases,
                         ReportPageCounts,
                         testing::Values(PageCountCase {1, 4, 4, 2},
                                         PageCountCase {14, 17, 17, 2},
                                         PageCountCase {15, 19, 18, 2},
                                         PageCountCase {39, 44, 42, 2},
                                         PageCountCase {40, 46, 44, 3}));

TEST_F(ReportPdf, IsAnA4DocumentNamedAfterItsFileWithEmbeddedFonts)
{
    const QString snapshot = files.WriteSnapshot(QStringLiteral("a.qvx"));
    const QString path = files.WriteReport(QStringLiteral("site.pdf"), files.Project(1, snapshot));
    const PdfFacts pdf = ReadPdf(path);
    EXPECT_TRUE(pdf.pageSize.contains(QStringLiteral("(A4)"))) << pdf.pageSize.toStdString();
    EXPECT_EQ(pdf.title, QStringLiteral("site.pdf"));
    ASSERT_FALSE(pdf.fonts.isEmpty());
    for (const QString& font : pdf.fonts) {
        const QStringList columns = font.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        ASSERT_GE(columns.size(), 5);
        EXPECT_TRUE(font.contains(QStringLiteral("Liberation")) || font.contains(QStringLiteral("Arial")))
            << font.toStdString();
        EXPECT_EQ(columns[columns.size() - 5], QStringLiteral("yes")) << font.toStdString();
    }
}

} // namespace

namespace {

struct TemplateUnitCase
{
    ReportTemplate reportTemplate;
    TemperatureUnit unit;
    const char* suffix;
    const char* typedSuffix;
    const char* windSuffix;
    const char* reflected;
};

void PrintTo(const TemplateUnitCase& c, std::ostream* out)
{
    *out << (c.reportTemplate == ReportTemplate::Buildings ? "Buildings" : "Maintenance") << " " << c.suffix;
}

class ReportContents : public testing::TestWithParam<TemplateUnitCase>
{
protected:
    ReportFixture files;
};

TEST_P(ReportContents, PrintsEveryPageInTheTemplateAndUnit)
{
    const TemplateUnitCase& c = GetParam();
    const bool buildings = c.reportTemplate == ReportTemplate::Buildings;
    const QString snapshotPath = files.WriteSnapshot(QStringLiteral("a.qvx"));
    ReportProject project = files.Project(2, snapshotPath);
    project.DetailsAt(0)->repairPriority = 3;
    const QString path = files.WriteReport(QStringLiteral("r.pdf"), project, {c.reportTemplate, c.unit});
    ASSERT_FALSE(path.isEmpty());
    const PdfFacts pdf = ReadPdf(path);
    ASSERT_EQ(pdf.pages, 5);

    const QString title = Simplified(pdf.pageTexts[0]);
    EXPECT_TRUE(title.startsWith(buildings ? QStringLiteral("Building Inspection Report")
                                           : QStringLiteral("Thermography Inspection Report")));
    EXPECT_TRUE(title.contains(QStringLiteral("Company Acme Thermal Author Jane Doe Date 22nd May 2007")))
        << title.toStdString();
    EXPECT_TRUE(title.contains(QStringLiteral("Page 1 of 5")));

    cQVX snapshot;
    ASSERT_TRUE(snapshot.Load(snapshotPath));
    ASSERT_TRUE(snapshot.LoadPixels(cQVX::Width, cQVX::Height));
    snapshot.unitCode = c.unit == TemperatureUnit::Celsius ? snapshot.celsiusCode
        : c.unit == TemperatureUnit::Fahrenheit            ? snapshot.fahrenheitCode
                                                           : snapshot.kelvinCode;
    const QString suffix = QString::fromUtf8(c.suffix);
    const auto tenths = [&](float value) { return QString::number(double(value), 'f', 1) + QLatin1Char(' ') + suffix; };

    // The scale beside the picture: its colour range's high end at the top, the low end at the bottom.
    int low = 0;
    int high = 0;
    snapshot.AutoDisplayRange(low, high);
    const QStringList scale =
        PdfTextIn(path, 3, QRect(0, 1140, 320, 820)).split(QLatin1Char('\n'), Qt::SkipEmptyParts).filter(suffix);
    ASSERT_GE(scale.size(), 2);
    EXPECT_EQ(scale.first().trimmed(), tenths(float(snapshot.ToTemperature(high, 0.95))));
    EXPECT_EQ(scale.last().trimmed(), tenths(float(snapshot.ToTemperature(low, 0.95))));

    const QString page = Simplified(pdf.pageTexts[2]);
    EXPECT_TRUE(page.startsWith(QStringLiteral("Inspection 1 - Item 1 Repair Priority"))) << page.toStdString();
    EXPECT_TRUE(page.contains(QStringLiteral("Cursor 1 ") + tenths(snapshot.MarkerTemperature(0))))
        << page.toStdString();
    EXPECT_TRUE(page.contains(QStringLiteral("Cursor 2 ") + tenths(snapshot.MarkerTemperature(1))));
    EXPECT_TRUE(page.contains(QStringLiteral("Difference ") + tenths(snapshot.MarkerDifference(0, 1))));
    EXPECT_TRUE(page.contains(QStringLiteral("Emissivity 0.95")));
    EXPECT_TRUE(page.contains(QStringLiteral("Reflected Temp. ") + QString::fromUtf8(c.reflected)));
    EXPECT_TRUE(page.contains(QStringLiteral("Inspected 22nd May 07 JB")));
    EXPECT_TRUE(page.contains(QStringLiteral("Repaired")));
    EXPECT_FALSE(page.contains(QStringLiteral("1st Jun 07"))) << "a date without its tick is not printed";
    EXPECT_TRUE(page.contains(QStringLiteral("Page 3 of 5")));
    EXPECT_TRUE(page.contains(QStringLiteral("Location Hall 1")));
    if (buildings) {
        EXPECT_TRUE(page.contains(QStringLiteral("Inspector Joe Bloggs")));
        EXPECT_FALSE(page.contains(QStringLiteral("Operator")));
        EXPECT_FALSE(page.contains(QStringLiteral("Pump 1")));
        EXPECT_TRUE(page.contains(QStringLiteral("Material 40 A")));
        EXPECT_TRUE(page.contains(QStringLiteral("Material Condition Poor")));
        EXPECT_TRUE(page.contains(QStringLiteral("Indoor Temperature 21") + QString::fromUtf8(c.typedSuffix)));
        EXPECT_TRUE(page.contains(QStringLiteral("Outdoor Temperature 4") + QString::fromUtf8(c.typedSuffix)));
        EXPECT_TRUE(page.contains(QStringLiteral("Relative Humidity 55 %")));
        EXPECT_TRUE(page.contains(QStringLiteral("Wind Speed 12") + QString::fromUtf8(c.windSuffix)));
        EXPECT_TRUE(page.contains(QStringLiteral("Pressure Difference 0.5 bar")));
    } else {
        EXPECT_TRUE(page.contains(QStringLiteral("Operator Joe Bloggs")));
        EXPECT_TRUE(page.contains(QStringLiteral("Equipment Pump 1")));
        EXPECT_TRUE(page.contains(QStringLiteral("Measured Load 40 A")));
        EXPECT_TRUE(page.contains(QStringLiteral("Load % 40")));
        EXPECT_FALSE(page.contains(QStringLiteral("Wind Speed")));
    }

    const QString summary = Simplified(pdf.pageTexts[4]);
    EXPECT_TRUE(summary.startsWith(QStringLiteral("Summary")));
    EXPECT_TRUE(summary.contains(buildings ? QStringLiteral("Insp. No. Location Fault / Action Priority")
                                           : QStringLiteral("Insp. No. Location Equipment Fault / Action Priority")))
        << summary.toStdString();
    // Number and priority sit one line down in their boxes, below the first line of texts.
    EXPECT_TRUE(summary.contains(buildings ? QStringLiteral("Hall 1 Fault 1 1 3")
                                           : QStringLiteral("Hall 1 Pump 1 Fault 1 1 3")))
        << summary.toStdString();
    EXPECT_TRUE(summary.contains(buildings ? QStringLiteral("Hall 2 Fault 2 2 1")
                                           : QStringLiteral("Hall 2 Pump 2 Fault 2 2 1")));
}

INSTANTIATE_TEST_SUITE_P(
    TemplatesAndUnits,
    ReportContents,
    testing::Values(
        TemplateUnitCase {ReportTemplate::Maintenance, TemperatureUnit::Celsius, "°C", " °C", " km/h", "20.0 °C"},
        TemplateUnitCase {ReportTemplate::Maintenance, TemperatureUnit::Fahrenheit, "°F", " °F", " mph", "68.0 °F"},
        TemplateUnitCase {ReportTemplate::Maintenance, TemperatureUnit::Kelvin, "K", " °C", " km/h", "293.1 K"},
        TemplateUnitCase {ReportTemplate::Buildings, TemperatureUnit::Celsius, "°C", " °C", " km/h", "20.0 °C"},
        TemplateUnitCase {ReportTemplate::Buildings, TemperatureUnit::Fahrenheit, "°F", " °F", " mph", "68.0 °F"},
        TemplateUnitCase {ReportTemplate::Buildings, TemperatureUnit::Kelvin, "K", " °C", " km/h", "293.1 K"}));

} // namespace
