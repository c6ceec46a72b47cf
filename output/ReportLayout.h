#pragma once

#include "ReportFonts.h"
#include "ReportOptions.h"

#include <QFont>
#include <QString>

#include <memory>

class QPainter;
class ReportProject;
class VisualImageQueue;

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
    // Photos are decoded ahead of the inspection pages, in page order.
    std::unique_ptr<VisualImageQueue> visualImages;
};

// "Inspection 3 - Pump" or "Inspection 3" when the inspection has no name.
QString InspectionHeading(int inspection, const QString& name);
