#include "pages/colour/cColourButton.h"

#include "pages/colour/ColourButtonPainting.h"

#include <QPainter>

cColourButton::cColourButton(QWidget* parent)
    : QPushButton(parent)
{ }

void cColourButton::SetColour(quint32 colour)
{
    overrideBackground = colour;
    overrideColour = true;
    update();
}

void cColourButton::SetCaption(const QString& text)
{
    caption = text;
    // The accessible name and size hint follow the caption; the button never paints its own text.
    setText(text);
    update();
}

void cColourButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const ButtonDrawState state {isDown(), isChecked(), !isEnabled(), hasFocus()};
    PaintColourButton(
        painter, rect(), state, overrideColour ? std::optional<quint32>(overrideBackground) : std::nullopt, caption);
}
