#include "ReportProject.h"

#include "MoveElement.h"

std::optional<ReportProject> ReportProject::FromLists(ReportTitle title,
                                                      std::vector<InspectionSelection> selections,
                                                      std::vector<InspectionDetails> details)
{
    if (selections.size() != details.size()) {
        return std::nullopt;
    }
    ReportProject project;
    project.title = std::move(title);
    project.selections = std::move(selections);
    for (const InspectionDetails& record : details) {
        project.details.AppendDetails(record);
    }
    return project;
}

const InspectionSelection* ReportProject::SelectionAt(int index) const
{
    return index >= 0 && index < InspectionCount() ? &selections[size_t(index)] : nullptr;
}

InspectionSelection* ReportProject::SelectionAt(int index)
{
    return index >= 0 && index < InspectionCount() ? &selections[size_t(index)] : nullptr;
}

void ReportProject::AppendInspection(const InspectionSelection& selection, const InspectionDetails& record)
{
    selections.push_back(selection);
    details.AppendDetails(record);
}

void ReportProject::RemoveInspection(int index)
{
    if (index < 0 || index >= InspectionCount()) {
        return;
    }
    selections.erase(selections.begin() + index);
    details.RemoveDetails(index);
}

bool ReportProject::MoveInspection(int from, int to)
{
    if (!details.MoveDetails(from, to)) {
        return false;
    }
    MoveElement(selections, from, to);
    return true;
}

void ReportProject::RemoveAllInspections()
{
    selections.clear();
    details.RemoveAllDetails();
}

ReportProject NewReportProject(const QDateTime& now)
{
    ReportProject project;
    project.title.showDate = true;
    project.title.date = OleDateFromDateTime(now.addMSecs(-now.time().msec()));
    return project;
}
