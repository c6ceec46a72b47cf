#include "pages/details/TextFitColours.h"

QColor TextFitColour(TypedField field, const QString& text, const TypedTextPlace& place)
{
    switch (TypedTextFit(field, text, place)) {
    case TextFit::Cut:
        return QColor(255, 0, 0);
    case TextFit::Shortened:
        return QColor(255, 90, 0);
    case TextFit::Fits:
        break;
    }
    return QColor(0, 0, 0);
}
