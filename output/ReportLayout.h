#pragma once

#include "ReportFonts.h"
#include "ReportOptions.h"
#include "TemperatureScale.h"

#include <QFont>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

class QPainter;
class QRect;
class ReportProject;
class VisualImageQueue;

// One line of a contents page: its row (0 at the top), text and the page number it names.
struct ContentsLine
{
    int row = 0;
    QString text;
    int pageNumber = 0;
};

// The frame and pages of the printed report: fonts, page counting, footers and the title,
// contents, inspection and summary pages, drawn in page units (A4 at 300 dots per inch).
// Pages are drawn in order after CountPages; every footer advances pageCounter.
class ReportLayout
{
public:
    ReportLayout(const ReportProject& project, ReportOptions options);
    ~ReportLayout();

    void CountPages();
    void DrawTitlePage(QPainter& painter);
    void DrawContentsPage(QPainter& painter, int contentsPage);
    // Always a whole page: an inspection whose snapshot cannot be read gets a notice in place
    // of its thermal picture, so the footers keep matching the contents pages.
    void DrawInspectionPage(QPainter& painter, int inspection);
    void DrawSummaryPage(QPainter& painter, int summaryPage);

    // Number of the page inspection i is printed on, and of the first summary page.
    int InspectionPageNumber(int inspection) const;
    int SummaryPageNumber() const;
    const ReportProject& Project() const { return project; }
    // "Thermography Inspection Report" or "Building Inspection Report", by template.
    QString TitleText() const;
    // The lines of contents page k, inspections first and then the summary where it falls.
    std::vector<ContentsLine> ContentsLines(int contentsPage) const;
    // The whole width of contents line `row`, its text and its page number.
    static QRect ContentsLineRect(int row);

    int summaryPageCount = 0;
    int contentsPageCount = 0;
    int totalPageCount = 0;
    int pageCounter = 1;

    QFont bodyFont;
    QFont boldFont;
    QFont titleFont;

    static constexpr int ContentsLinesPerPage = 40;
    static constexpr int SummaryRowsPerPage = 14;

private:
    void StartPage(QPainter& painter) const;
    void DrawPageTitle(QPainter& painter, const QString& title) const;
    void DrawFooter(QPainter& painter);
    void DrawContentsLine(QPainter& painter, int row, const QString& text, int pageNumber) const;
    void DrawSummaryRow(QPainter& painter, int top, int inspection) const;
    bool Buildings() const { return options.reportTemplate == ReportTemplate::Buildings; }

    friend class InspectionPagePainter;

    const ReportProject& project;
    ReportOptions options;
    // The range every thermal picture is rendered over when the report uses one scale.
    std::optional<TemperatureSpan> commonSpan;
    // Photos are decoded ahead of the inspection pages, in page order.
    std::unique_ptr<VisualImageQueue> visualImages;
};

// "Inspection 3 - Pump" or "Inspection 3" when the inspection has no name.
QString InspectionHeading(int inspection, const QString& name);
