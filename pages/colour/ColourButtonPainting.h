#pragma once

#include <QRect>
#include <QString>

#include <optional>

class QPainter;

// The states of a button that change how cColourButton paints it.
struct ButtonDrawState
{
    bool pressed = false;
    bool checked = false;
    bool disabled = false;
    bool focused = false;
};

struct ButtonColours
{
    quint32 text; // 0x00BBGGRR
    quint32 background;
};

// Black text on the override colour when there is one; otherwise the pair of the first state
// that applies, in the order pressed, checked, disabled, focused.
ButtonColours ButtonColoursFor(const ButtonDrawState& state, std::optional<quint32> overrideBackground);

// Paints the whole button into `item`: the filled face, a raised (or, pressed, sunken) edge and
// the caption, bold and centred, one pixel lower and to the right while pressed.
void PaintColourButton(QPainter& painter,
                       const QRect& item,
                       const ButtonDrawState& state,
                       std::optional<quint32> overrideBackground,
                       const QString& caption);
