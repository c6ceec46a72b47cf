#include "pages/colour/ColourChooser.h"

#include "pages/colour/ColourValueOf.h"
#include "snapshot/ColourValue.h"

#include <QColorDialog>

namespace {

ColourChooserHandler& InstalledHandler()
{
    static ColourChooserHandler handler;
    return handler;
}

} // namespace

std::optional<quint32> ChooseColour(QWidget* parent, quint32 initial)
{
    if (InstalledHandler()) {
        return InstalledHandler()(initial);
    }
    const QColor chosen = QColorDialog::getColor(QColorFromColourValue(initial), parent);
    if (!chosen.isValid()) {
        return std::nullopt;
    }
    return ColourValueOf(chosen);
}

void SetColourChooserHandler(ColourChooserHandler handler)
{
    InstalledHandler() = std::move(handler);
}
