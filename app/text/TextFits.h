#pragma once

#include "output/ReportOptions.h"
#include "output/TextPlacement.h"

#include <QFont>
#include <QList>
#include <QRect>
#include <QString>

// A rectangle of the report that a text is laid out in, with the font and placement it is
// printed in.
struct ReportTextBox
{
    QRect rect;
    QFont font;
    Placement placement = Placement::Left;
};

// Whether the report prints `text` whole in `box`, laid out as the report lays it out.
bool TextFits(const QString& text, const ReportTextBox& box);

// The typed texts whose fit the editing pages show while they are typed.
enum class TypedField { Company, Author, GeneralComments, Name, Operator, Location, Equipment, Comment, FaultAction };

// How the report prints a typed text: whole everywhere; whole in its own box on its page but
// shortened in the summary table or the contents; or cut in its own box.
enum class TextFit { Fits, Shortened, Cut };

// What the printed text depends on besides the typed one: the template, and for the name the
// inspection's number in the heading it is printed in.
struct TypedTextPlace
{
    ReportTemplate reportTemplate = ReportTemplate::Maintenance;
    int inspection = 0;
};

TextFit TypedTextFit(TypedField field, const QString& text, const TypedTextPlace& place = {});

// The boxes a typed field is printed in, its own box first; none for a field the template
// does not print.
QList<ReportTextBox> PrintedBoxes(TypedField field, ReportTemplate reportTemplate);
