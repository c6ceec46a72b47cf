#pragma once

#include "DetailsList.h"
#include "InspectionSelection.h"
#include "ProjectFileEntry.h"
#include "ReportTemplate.h"
#include "ReportTitle.h"
#include "SeverityCriteria.h"

#include "snapshot/TemperatureUnit.h"

#include <QDateTime>

#include <optional>
#include <vector>

// Everything one inspection report is made of: the title data and the inspections, each a
// selection (files and strokes) with its details record. Selections and details always have
// the same length: entry i of both is inspection i + 1 of the report.
class ReportProject
{
public:
    ReportTitle title;
    // The template and temperature unit the project is shown and printed in; typed temperatures
    // and wind speeds are in that unit. A file from before projects carried them states neither,
    // and its user's settings apply.
    std::optional<ReportTemplate> reportTemplate;
    std::optional<TemperatureUnit> unit;
    // The table the findings are graded by; a project that states none grades nothing.
    std::optional<SeverityCriteria> severityCriteria;
    // Where the project file last saved said its files lay, relative to its own folder; the
    // search for moved files tries these first. A save writes them afresh from the paths.
    std::vector<ProjectFileEntry> relativePaths;

    // The criteria the findings are graded by: None when the project states none.
    SeverityCriteria Criteria() const { return severityCriteria.value_or(SeverityCriteria {}); }

    // A project from separately read lists; nothing when their lengths differ.
    static std::optional<ReportProject>
    FromLists(ReportTitle title, std::vector<InspectionSelection> selections, std::vector<InspectionDetails> details);

    int InspectionCount() const { return int(selections.size()); }
    const std::vector<InspectionSelection>& Selections() const { return selections; }
    const DetailsList& Details() const { return details; }

    // The entries of inspection `index` (0-based); nullptr outside 0..InspectionCount()-1.
    const InspectionSelection* SelectionAt(int index) const;
    InspectionSelection* SelectionAt(int index);
    const InspectionDetails* DetailsAt(int index) const { return details.DetailsAt(index); }
    InspectionDetails* DetailsAt(int index) { return details.DetailsAt(index); }

    // Adds an inspection at the end; its details start from the defaults of a new record.
    void AppendInspection(const InspectionSelection& selection, const InspectionDetails& record = {});
    // Removes inspection `index`; an index outside the list does nothing.
    void RemoveInspection(int index);
    void RemoveAllInspections();
    // Moves inspection `from` to index `to` in report order, its selection and details record
    // together; the Inspection Data page stays on the inspection it showed. False, changing
    // nothing, when either index is outside the list.
    bool MoveInspection(int from, int to);

    // The 1-based position of the inspection shown on the Inspection Data page, 0 for none.
    int CurrentPosition() const { return details.CurrentPosition(); }
    void SetCurrentPosition(int position) { details.SetCurrentPosition(position); }

    bool operator==(const ReportProject&) const = default;

private:
    std::vector<InspectionSelection> selections;
    DetailsList details;
};

// A new project: no inspections, the date shown and set to `now` (to the second).
ReportProject NewReportProject(const QDateTime& now);
