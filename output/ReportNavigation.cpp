#include "ReportNavigation.h"

#include "ReportLayout.h"

#include "app/strings/StringIds.h"
#include "app/strings/StringSource.h"
#include "report/ReportProject.h"

namespace {

constexpr int TitlePageIndex = 0;
constexpr int FirstContentsPageIndex = 1;

} // namespace

ReportNavigation NavigationOf(const ReportLayout& layout, const QString& title)
{
    ReportNavigation navigation;
    const ReportProject& project = layout.Project();
    navigation.outline.push_back({LoadAppString(StringId::TitlePage), TitlePageIndex});
    navigation.outline.push_back({LoadAppString(StringId::Contents), FirstContentsPageIndex});
    for (int inspection = 0; inspection < project.InspectionCount(); ++inspection) {
        const InspectionDetails* details = project.DetailsAt(inspection);
        navigation.outline.push_back({InspectionHeading(inspection, details ? details->name : QString()),
                                      layout.InspectionPageNumber(inspection) - 1});
    }
    navigation.outline.push_back({LoadAppString(StringId::Summary), layout.SummaryPageNumber() - 1});

    for (int contentsPage = 0; contentsPage < layout.contentsPageCount; ++contentsPage) {
        for (const ContentsLine& line : layout.ContentsLines(contentsPage)) {
            navigation.links.push_back(
                {FirstContentsPageIndex + contentsPage, ReportLayout::ContentsLineRect(line.row), line.pageNumber - 1});
        }
    }

    navigation.information = {title,
                              project.title.author,
                              layout.TitleText(),
                              project.title.company,
                              QStringLiteral("thermreport %1").arg(QStringLiteral(THERMREPORT_VERSION))};
    return navigation;
}
