#include "pages/details/TextFitColours.h"

#include "app/text/TextFits.h"

namespace {

struct Box
{
    int width;
    int lines;
};

Box BoxOf(CheckedField field)
{
    switch (field) {
    case CheckedField::FaultAction:
        return {24, 5};
    case CheckedField::Comment:
        return {51, 5};
    case CheckedField::Name:
        return {36, 1};
    case CheckedField::Operator:
    case CheckedField::Location:
        return {17, 1};
    case CheckedField::Equipment:
        return {11, 2};
    }
    return {0, 0};
}

// The smaller box the fault text should also fit.
constexpr Box FaultSummaryBox {18, 4};

} // namespace

QColor TextFitColour(CheckedField field, const QString& text)
{
    const Box box = BoxOf(field);
    if (!TextFits(text, box.width, box.lines)) {
        return QColor(255, 0, 0);
    }
    if (field == CheckedField::FaultAction && !TextFits(text, FaultSummaryBox.width, FaultSummaryBox.lines)) {
        return QColor(255, 90, 0);
    }
    return QColor(0, 0, 0);
}
