#include "ReportFixture.h"
#include "output/TemperatureText.h"

#include "snapshot/cQVX.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

constexpr float Open = std::numeric_limits<float>::infinity();
constexpr int Dpi = 50;

// Reports of one snapshot whose two cursors differ by a known amount, with and without criteria.
class SeverityReport : public testing::Test
{
protected:
    void SetUp() override
    {
        snapshotPath = files.WriteSnapshot(QStringLiteral("a.qvx"));
        cQVX snapshot;
        ASSERT_TRUE(snapshot.Load(snapshotPath));
        ASSERT_TRUE(snapshot.LoadPixels(cQVX::Width, cQVX::Height));
        snapshot.unitCode = snapshot.celsiusCode;
        difference = snapshot.MarkerDifference(0, 1);
        printed = QString::number(std::fabs(double(difference)), 'f', 1).toDouble();
        ASSERT_GT(printed, 1.0);
    }

    // A custom table whose first class ends at `bound` kelvin.
    static SeverityCriteria TwoClasses(double bound)
    {
        return {SeverityKind::Custom,
                {{float(bound), QStringLiteral("Within"), QStringLiteral("Watch"), 2},
                 {Open, QStringLiteral("Beyond"), QStringLiteral("Repair"), 5}}};
    }

    QString Report(const QString& name, const std::optional<SeverityCriteria>& criteria)
    {
        ReportProject project = files.Project(2, snapshotPath);
        project.severityCriteria = criteria;
        const QString path = files.WriteReport(name, project);
        EXPECT_FALSE(path.isEmpty());
        return path;
    }

    // The page as a picture, with the rectangle (page units) where criteria may draw painted over.
    static QImage Outside(const QString& path, int page, const QRect& allowed)
    {
        QImage image = RenderPdfPage(path, page, Dpi).convertToFormat(QImage::Format_RGB32);
        const double scale = Dpi / 300.0;
        const QRect band(int(allowed.left() * scale) - 2,
                         int(allowed.top() * scale) - 2,
                         int(allowed.width() * scale) + 5,
                         int(allowed.height() * scale) + 5);
        for (int y = std::max(band.top(), 0); y <= std::min(band.bottom(), image.height() - 1); ++y) {
            for (int x = std::max(band.left(), 0); x <= std::min(band.right(), image.width() - 1); ++x) {
                image.setPixel(x, y, 0xFF00FF);
            }
        }
        return image;
    }

    ReportFixture files;
    QString snapshotPath;
    float difference = 0.0f;
    double printed = 0.0;
};

// The difference as printed is the last value of a class: at the bound the first class is printed,
// one tenth lower the bound is passed and the next class is.
TEST_F(SeverityReport, InspectionPageNamesTheClassOfItsDifference)
{
    for (const auto& [bound, expected] :
         {std::pair {printed, QStringLiteral("Within")}, std::pair {printed - 0.1, QStringLiteral("Beyond")}}) {
        const PdfFacts pdf = ReadPdf(Report(QStringLiteral("graded.pdf"), TwoClasses(bound)));
        ASSERT_EQ(pdf.pages, 5);
        for (const int page : {3, 4}) {
            const QString text = Simplified(pdf.pageTexts[page - 1]);
            EXPECT_TRUE(text.contains(QStringLiteral("Difference ") + DifferenceWithUnit(difference, "°C")))
                << text.toStdString();
            EXPECT_TRUE(text.contains(QStringLiteral("Severity ") + expected)) << bound << " " << text.toStdString();
        }
        const QString summary = Simplified(pdf.pageTexts[4]);
        EXPECT_TRUE(summary.contains(QStringLiteral("Severity criteria: Custom"))) << summary.toStdString();
    }
}

TEST_F(SeverityReport, NoneLeavesTheReportAsItWas)
{
    const PdfFacts plain = ReadPdf(Report(QStringLiteral("plain.pdf"), std::nullopt));
    const QString nonePath = Report(QStringLiteral("none.pdf"), SeverityCriteria {});
    const PdfFacts none = ReadPdf(nonePath);
    EXPECT_EQ(none.pageTexts, plain.pageTexts);
    for (const QString& page : none.pageTexts) {
        EXPECT_FALSE(page.contains(QStringLiteral("Severity"))) << page.toStdString();
    }
    for (const int page : {3, 5}) {
        EXPECT_EQ(RenderPdfPage(nonePath, page, Dpi),
                  RenderPdfPage(files.PathOf(QStringLiteral("plain.pdf")), page, Dpi))
            << "page " << page;
    }
}

// The class row and the criteria line are all that criteria add: nothing else on the pages moves.
TEST_F(SeverityReport, CriteriaAddOnlyTheirOwnLines)
{
    const QString plain = Report(QStringLiteral("plain.pdf"), std::nullopt);
    const QString graded = Report(QStringLiteral("graded.pdf"), TwoClasses(printed));
    const QRect classRow(100, 2280, 870, 70);
    EXPECT_EQ(Outside(graded, 3, classRow), Outside(plain, 3, classRow));
    EXPECT_NE(RenderPdfPage(graded, 3, Dpi), RenderPdfPage(plain, 3, Dpi));
    // Two summary rows end at 340 + 2 x 210; the line sits below them.
    const QRect criteriaLine(100, 760, 2280, 100);
    EXPECT_EQ(Outside(graded, 5, criteriaLine), Outside(plain, 5, criteriaLine));
    EXPECT_NE(RenderPdfPage(graded, 5, Dpi), RenderPdfPage(plain, 5, Dpi));
}

} // namespace
