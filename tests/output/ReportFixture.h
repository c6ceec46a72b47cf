#pragma once

#include "output/ReportOptions.h"

#include "report/ReportProject.h"
#include "tools/samplegen/SnapshotWriter.h"

#include <QImage>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// Files and projects for the report tests: synthetic snapshots and photos in a temporary
// folder, reports written as real PDF files, and what poppler's tools read back from them.
class ReportFixture
{
public:
    ReportFixture();

    QString Folder() const { return folder.path(); }
    QString PathOf(const QString& name) const { return folder.filePath(name); }

    // A snapshot with a temperature gradient and markers at the given sensor positions.
    QString WriteSnapshot(const QString& name, std::vector<SnapshotMarker> markers = {{40, 30, 95}, {120, 90, 95}});
    // A snapshot of the given fields; one without pixels gets the gradient raised by `offset`.
    QString WriteSnapshotFile(const QString& name, SnapshotFileFields fields, int offset = 0);
    QString WriteFile(const QString& name, const QByteArray& bytes);
    QString WritePhoto(const QString& name, QSize size, QColor colour, const char* format = "JPEG");

    // n inspections on the same snapshot, named "Item 1", "Item 2", ... with filled data.
    ReportProject Project(int inspections, const QString& snapshotPath, const QString& imagePath = {});

    // Writes the report to `name` in the folder; the path, or empty when it failed.
    QString WriteReport(const QString& name, const ReportProject& project, ReportOptions options = {});

private:
    QTemporaryDir folder;
};

// What poppler-utils read from a PDF file.
struct PdfFacts
{
    int pages = 0;
    QString pageSize;
    QString title;
    QString author;
    QString subject;
    QString keywords;
    QString creator;
    QStringList pageTexts; // pdftotext of each page, 1-based page i at index i - 1
    QStringList fonts; // pdffonts rows after the header
};

PdfFacts ReadPdf(const QString& path);

// The text of one page in the order it was drawn (pdftotext -raw), with no white space at all:
// wrapped lines read on as one text.
QString DrawnPageText(const QString& path, int page);

// The outline and the links of a PDF file, as qpdf's JSON describes them; pages count from 1,
// link areas are in PDF points from the page's bottom left corner.
struct PdfOutlineItem
{
    QString title;
    int page = 0;
};

struct PdfLink
{
    int page = 0;
    QRectF area;
    int target = 0;
};

struct PdfNavigationFacts
{
    std::vector<PdfOutlineItem> outline;
    std::vector<PdfLink> links;
    QString pageMode;
};

PdfNavigationFacts ReadNavigation(const QString& path);

// The text pdftotext finds in `area` (page units) of page `page`, one line per text line.
QString PdfTextIn(const QString& path, int page, const QRect& area);

// One page rendered by pdftoppm at the given resolution.
QImage RenderPdfPage(const QString& path, int page, int dotsPerInch);

// Text with every run of white space made one blank, for comparing extracted text.
QString Simplified(const QString& text);
