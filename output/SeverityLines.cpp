#include "SeverityLines.h"

#include "PageGeometry.h"
#include "PrintfText.h"
#include "SeverityTables.h"
#include "TextPlacement.h"

#include "app/strings/StringIds.h"
#include "app/strings/StringSource.h"

using PageGeometry::Edges;

namespace {

constexpr int RowHeight = 70;
constexpr int LineGap = 30;

} // namespace

void DrawSeverityRow(
    QPainter& painter, int top, const SeverityCriteria& criteria, float difference, TemperatureUnit unit)
{
    const SeverityClass* graded = ClassOfDifference(criteria, difference, unit);
    if (!graded) {
        return;
    }
    DrawBoxedText(painter, Edges(100, top, 430, top + RowHeight), LoadAppString(StringId::Severity), Placement::Left);
    DrawBoxedText(painter, Edges(430, top, 970, top + RowHeight), graded->name, Placement::Left);
}

void DrawCriteriaLine(QPainter& painter, int tableBottom, const SeverityCriteria& criteria)
{
    if (criteria.kind == SeverityKind::None) {
        return;
    }
    const int top = tableBottom + LineGap;
    const QString text = FillPlaceholders(LoadAppString(StringId::SeverityCriteriaLine), {CriteriaName(criteria.kind)});
    DrawPlacedText(painter, PageGeometry::Inner(Edges(100, top, 2380, top + RowHeight)), text, Placement::Left);
}
