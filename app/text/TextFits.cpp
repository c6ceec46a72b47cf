#include "app/text/TextFits.h"

#include "output/PageGeometry.h"
#include "output/ReportBoxes.h"
#include "output/ReportFonts.h"
#include "output/ReportLayout.h"

#include <QFontMetricsF>

using PageGeometry::Inner;

namespace {

// The text as the report prints it: the name goes into the inspection's heading.
QString PrintedText(TypedField field, const QString& text, const TypedTextPlace& place)
{
    return field == TypedField::Name ? InspectionHeading(place.inspection, text) : text;
}

} // namespace

bool TextFits(const QString& text, const ReportTextBox& box)
{
    return !LayOutText(text, QFontMetricsF(box.font), box.rect.size(), box.placement).cut;
}

QList<ReportTextBox> PrintedBoxes(TypedField field, ReportTemplate reportTemplate)
{
    const ReportFonts fonts = MakeReportFonts();
    const QFont& body = fonts.bodyFont;
    // Any summary row will do: every row has the same cells.
    const int summaryTop = 340;
    const int summaryBottom = summaryTop + ReportBoxes::SummaryRowHeight;
    const bool buildings = reportTemplate == ReportTemplate::Buildings;
    switch (field) {
    case TypedField::Company:
        return {{Inner(ReportBoxes::CompanyValue), body, Placement::Left}};
    case TypedField::Author:
        return {{Inner(ReportBoxes::AuthorValue), body, Placement::Left}};
    case TypedField::GeneralComments:
        return {{Inner(ReportBoxes::GeneralComments), body, Placement::Wrapped}};
    case TypedField::Name:
        return {{ReportBoxes::PageTitle, fonts.titleFont, Placement::Left},
                {Inner(ReportBoxes::ContentsDescription(340, 410)), body, Placement::Left}};
    case TypedField::Operator:
        return {{Inner(ReportBoxes::OperatorRow(reportTemplate).value), body, Placement::Left}};
    case TypedField::Location:
        return {{Inner(ReportBoxes::LocationRow(reportTemplate).value), body, Placement::Left},
                {Inner(ReportBoxes::SummaryLocation(summaryTop, summaryBottom)), body, Placement::Wrapped}};
    case TypedField::Equipment:
        if (buildings) {
            return {};
        }
        return {{Inner(ReportBoxes::EquipmentRow.value), body, Placement::Wrapped},
                {Inner(ReportBoxes::SummaryEquipment(summaryTop, summaryBottom)), body, Placement::Wrapped}};
    case TypedField::Comment:
        return {{Inner(ReportBoxes::Comment), body, Placement::Wrapped}};
    case TypedField::FaultAction:
        return {
            {Inner(ReportBoxes::FaultAction), body, Placement::Wrapped},
            {Inner(ReportBoxes::SummaryFault(reportTemplate, summaryTop, summaryBottom)), body, Placement::Wrapped}};
    }
    return {};
}

TextFit TypedTextFit(TypedField field, const QString& text, const TypedTextPlace& place)
{
    const QList<ReportTextBox> boxes = PrintedBoxes(field, place.reportTemplate);
    const QString printed = PrintedText(field, text, place);
    for (qsizetype index = 0; index < boxes.size(); ++index) {
        if (!TextFits(printed, boxes[index])) {
            return index == 0 ? TextFit::Cut : TextFit::Shortened;
        }
    }
    return TextFit::Fits;
}
