#pragma once

#include "PageGeometry.h"
#include "ReportOptions.h"

#include <QRect>

// The boxes the report prints the typed texts in. The pages are drawn with them, and the
// warnings of the editing pages lay the typed texts out in the same boxes.
namespace ReportBoxes {

using PageGeometry::Edges;

// Title page: the value cells of the company and author rows, and the general comments.
constexpr QRect CompanyValue = Edges(430, 1200, 1200, 1270);
constexpr QRect AuthorValue = Edges(430, 1270, 1200, 1340);
constexpr QRect GeneralComments = Edges(100, 1600, 2380, 3400);

// The title line of every page but the title page; no box, the text fills the rectangle.
constexpr QRect PageTitle = Edges(100, 100, 2380, 170);

// The description of a contents line; no box, the text goes into the shrunk rectangle.
constexpr QRect ContentsDescription(int top, int bottom)
{
    return Edges(100, top, 1980, bottom);
}

// A label box and the box of its value, side by side.
struct LabelledBox
{
    QRect label;
    QRect value;
};

constexpr LabelledBox PeopleRow(int top, int bottom)
{
    return {Edges(100, top, 430, bottom), Edges(430, top, 1200, bottom)};
}

// Inspection page. The Buildings template has no operator row: its inspector takes the
// operator's place one row down, and the location follows.
constexpr LabelledBox OperatorRow(ReportTemplate reportTemplate)
{
    return reportTemplate == ReportTemplate::Buildings ? PeopleRow(370, 440) : PeopleRow(300, 370);
}
constexpr LabelledBox LocationRow(ReportTemplate reportTemplate)
{
    return reportTemplate == ReportTemplate::Buildings ? PeopleRow(440, 510) : PeopleRow(370, 440);
}
// Maintenance only; two rows high.
constexpr LabelledBox EquipmentRow = PeopleRow(440, 580);
constexpr QRect Comment = Edges(100, 750, 2380, 1030);
constexpr QRect FaultAction = Edges(100, 3050, 1200, 3330);

// Summary table cells between the given top and bottom; the Buildings template has no
// equipment column and gives its width to the fault.
constexpr QRect SummaryLocation(int top, int bottom)
{
    return Edges(300, top, 825, bottom);
}
constexpr QRect SummaryEquipment(int top, int bottom)
{
    return Edges(825, top, 1350, bottom);
}
constexpr QRect SummaryFault(ReportTemplate reportTemplate, int top, int bottom)
{
    return reportTemplate == ReportTemplate::Buildings ? Edges(825, top, 2180, bottom) : Edges(1350, top, 2180, bottom);
}
constexpr int SummaryRowHeight = 210;

} // namespace ReportBoxes
