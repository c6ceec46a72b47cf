#include "ReportLayout.h"

#include "ImageStrip.h"
#include "LogoPlacement.h"
#include "PageGeometry.h"
#include "PrintfText.h"
#include "ReportBoxes.h"
#include "ReportDate.h"
#include "SeverityLines.h"
#include "TextPlacement.h"
#include "VisualImageQueue.h"
#include "pages/pictures/Picture.h"

#include "app/strings/StringIds.h"
#include "app/strings/StringSource.h"
#include "report/ReportProject.h"

#include <QPaintDevice>
#include <QPainter>

#include <algorithm>

using PageGeometry::Edges;

namespace {

constexpr int DocumentPenWidth = 5;
constexpr int ContentsFirstLine = 340;
constexpr int ContentsLineHeight = 70;
constexpr int SummaryFirstRow = 340;

int CeilDiv(int value, int divisor)
{
    return (value + divisor - 1) / divisor;
}

QString Number(int value)
{
    return QString::number(value);
}

} // namespace

QString InspectionHeading(int inspection, const QString& name)
{
    const QString word = LoadAppString(StringId::Inspection);
    if (name.isEmpty()) {
        return QStringLiteral("%1 %2").arg(word).arg(inspection + 1);
    }
    return QStringLiteral("%1 %2 - %3").arg(word).arg(inspection + 1).arg(name);
}

ReportLayout::ReportLayout(const ReportProject& project, ReportOptions options)
    : project(project)
    , options(options)
{
    const ReportFonts fonts = MakeReportFonts();
    bodyFont = fonts.bodyFont;
    boldFont = fonts.boldFont;
    titleFont = fonts.titleFont;
    QStringList imagePaths;
    for (const InspectionSelection& selection : project.Selections()) {
        imagePaths.append(selection.imagePath);
    }
    if (options.commonScale) {
        commonSpan = CommonTemperatureSpan(project.Selections(), options.unit);
    }
    visualImages = std::make_unique<VisualImageQueue>(imagePaths, DecodeLimit {ImageStrip::VisualDecodeSize(), false});
}

ReportLayout::~ReportLayout() = default;

void ReportLayout::CountPages()
{
    const int inspections = project.InspectionCount();
    summaryPageCount = CeilDiv(inspections, SummaryRowsPerPage);
    contentsPageCount = CeilDiv(inspections + 1, ContentsLinesPerPage);
    totalPageCount = inspections + contentsPageCount + summaryPageCount + 1;
    pageCounter = 1;
}

QString ReportLayout::TitleText() const
{
    return LoadAppString(Buildings() ? StringId::BuildingReportTitle : StringId::ThermographyReportTitle);
}

int ReportLayout::InspectionPageNumber(int inspection) const
{
    return inspection + contentsPageCount + 2;
}

int ReportLayout::SummaryPageNumber() const
{
    return project.InspectionCount() + contentsPageCount + 2;
}

void ReportLayout::StartPage(QPainter& painter) const
{
    painter.setPen(QPen(Qt::black, DocumentPenWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.setFont(bodyFont);
}

void ReportLayout::DrawPageTitle(QPainter& painter, const QString& title) const
{
    painter.setFont(titleFont);
    DrawPlacedText(painter, ReportBoxes::PageTitle, title, Placement::Left);
    painter.setFont(bodyFont);
}

void ReportLayout::DrawFooter(QPainter& painter)
{
    const QString text =
        FillPlaceholders(LoadAppString(StringId::PageOf), {Number(pageCounter), Number(totalPageCount)});
    DrawPlacedText(painter, Edges(1880, 3450, 2380, 3500), text, Placement::Right);
    ++pageCounter;
}

void ReportLayout::DrawTitlePage(QPainter& painter)
{
    StartPage(painter);
    const ReportTitle& title = project.title;

    int logoHeight = 0;
    QPaintDevice* device = painter.device();
    // Decoded no larger than the largest size a logo is drawn at.
    if (const auto logo = LoadPicture(title.logoPath, {QSize(PageGeometry::PageWidth, 780), true})) {
        const QRect target = LogoRect(logo->himetric, device->logicalDpiX(), device->logicalDpiY());
        painter.drawImage(target, logo->image);
        logoHeight = target.height();
    }

    painter.setFont(titleFont);
    DrawPlacedText(
        painter, Edges(0, logoHeight + 100, PageGeometry::PageWidth, logoHeight + 170), TitleText(), Placement::Centre);
    painter.setFont(bodyFont);

    DrawBoxedText(painter, Edges(100, 1200, 430, 1270), LoadAppString(StringId::Company), Placement::Left);
    DrawBoxedText(painter, ReportBoxes::CompanyValue, title.company, Placement::Left);
    DrawBoxedText(painter, Edges(100, 1270, 430, 1340), LoadAppString(StringId::Author), Placement::Left);
    DrawBoxedText(painter, ReportBoxes::AuthorValue, title.author, Placement::Left);
    DrawBoxedText(painter, Edges(100, 1340, 430, 1410), LoadAppString(StringId::Date), Placement::Left);
    DrawBoxedText(painter,
                  Edges(430, 1340, 1200, 1410),
                  title.showDate ? FormatReportDate(title.date, DateForm::Long) : QString(),
                  Placement::Left);

    DrawPlacedText(painter, Edges(100, 1550, 600, 1600), LoadAppString(StringId::GeneralComments), Placement::Left);
    DrawBoxedText(painter, ReportBoxes::GeneralComments, title.generalComments, Placement::Wrapped);
    DrawFooter(painter);
}

void ReportLayout::DrawContentsLine(QPainter& painter, int row, const QString& text, int pageNumber) const
{
    const int top = ContentsLineRect(row).top();
    DrawPlacedText(painter,
                   PageGeometry::Inner(ReportBoxes::ContentsDescription(top, top + ContentsLineHeight)),
                   text,
                   Placement::Left);
    DrawPlacedText(painter,
                   PageGeometry::Inner(Edges(1980, top, 2380, top + ContentsLineHeight)),
                   Number(pageNumber),
                   Placement::Right);
}

void ReportLayout::DrawContentsPage(QPainter& painter, int contentsPage)
{
    StartPage(painter);
    DrawPageTitle(painter, LoadAppString(StringId::Contents));

    painter.setFont(boldFont);
    DrawPlacedText(painter,
                   PageGeometry::Inner(ReportBoxes::ContentsDescription(270, 340)),
                   LoadAppString(StringId::Description),
                   Placement::Left);
    DrawPlacedText(painter,
                   PageGeometry::Inner(Edges(1980, 270, 2380, 340)),
                   LoadAppString(StringId::PageNumber),
                   Placement::Right);
    painter.setFont(bodyFont);
    painter.drawLine(100, 340, 2380, 340);

    for (const ContentsLine& line : ContentsLines(contentsPage)) {
        DrawContentsLine(painter, line.row, line.text, line.pageNumber);
    }
    DrawFooter(painter);
}

std::vector<ContentsLine> ReportLayout::ContentsLines(int contentsPage) const
{
    std::vector<ContentsLine> lines;
    const int inspections = project.InspectionCount();
    const int first = contentsPage * ContentsLinesPerPage;
    int row = 0;
    for (int inspection = first; inspection < inspections && row < ContentsLinesPerPage; ++inspection, ++row) {
        const InspectionDetails* details = project.DetailsAt(inspection);
        lines.push_back({row,
                         InspectionHeading(inspection, details ? details->name : QString()),
                         InspectionPageNumber(inspection)});
    }
    // The summary line follows the last inspection, on the next page when this one is full.
    const bool lastInspectionHere = first < inspections && inspections <= first + ContentsLinesPerPage;
    if ((lastInspectionHere && row < ContentsLinesPerPage) || first >= inspections) {
        lines.push_back({row, LoadAppString(StringId::Summary), SummaryPageNumber()});
    }
    return lines;
}

QRect ReportLayout::ContentsLineRect(int row)
{
    const int top = ContentsFirstLine + row * ContentsLineHeight;
    return Edges(100, top, 2380, top + ContentsLineHeight);
}

void ReportLayout::DrawSummaryRow(QPainter& painter, int top, int inspection) const
{
    const InspectionDetails details =
        project.DetailsAt(inspection) ? *project.DetailsAt(inspection) : InspectionDetails {};
    const int bottom = top + ReportBoxes::SummaryRowHeight;
    DrawBoxedText(painter, Edges(100, top, 300, bottom), QStringLiteral("\n%1").arg(inspection + 1), Placement::Centre);
    DrawBoxedText(painter, ReportBoxes::SummaryLocation(top, bottom), details.location, Placement::Wrapped);
    if (!Buildings()) {
        DrawBoxedText(painter, ReportBoxes::SummaryEquipment(top, bottom), details.equipment, Placement::Wrapped);
    }
    DrawBoxedText(painter,
                  ReportBoxes::SummaryFault(options.reportTemplate, top, bottom),
                  details.faultAction,
                  Placement::Wrapped);
    const QString priority =
        details.repairPriority >= 1 ? QStringLiteral("\n%1").arg(details.repairPriority) : QString();
    DrawBoxedText(painter, Edges(2180, top, 2380, bottom), priority, Placement::Centre);
}

void ReportLayout::DrawSummaryPage(QPainter& painter, int summaryPage)
{
    StartPage(painter);
    DrawPageTitle(painter, LoadAppString(StringId::Summary));

    DrawBoxedText(painter, Edges(100, 270, 300, 340), LoadAppString(StringId::InspectionNumber), Placement::Left);
    DrawBoxedText(painter, ReportBoxes::SummaryLocation(270, 340), LoadAppString(StringId::Location), Placement::Left);
    if (!Buildings()) {
        DrawBoxedText(
            painter, ReportBoxes::SummaryEquipment(270, 340), LoadAppString(StringId::Equipment), Placement::Left);
    }
    DrawBoxedText(painter,
                  ReportBoxes::SummaryFault(options.reportTemplate, 270, 340),
                  LoadAppString(StringId::FaultAction),
                  Placement::Left);
    DrawBoxedText(painter, Edges(2180, 270, 2380, 340), LoadAppString(StringId::Priority), Placement::Centre);

    const int inspections = project.InspectionCount();
    const int first = summaryPage * SummaryRowsPerPage;
    for (int row = 0; row < SummaryRowsPerPage && first + row < inspections; ++row) {
        DrawSummaryRow(painter, SummaryFirstRow + row * ReportBoxes::SummaryRowHeight, first + row);
    }
    const int rowsHere = std::clamp(inspections - first, 0, SummaryRowsPerPage);
    DrawCriteriaLine(painter, SummaryFirstRow + rowsHere * ReportBoxes::SummaryRowHeight, project.Criteria());
    DrawFooter(painter);
}
