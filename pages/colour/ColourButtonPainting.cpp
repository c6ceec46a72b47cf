#include "pages/colour/ColourButtonPainting.h"

#include "snapshot/ColourValue.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

namespace {

constexpr ButtonColours Normal {0x000000, 0xC0C0C0};
constexpr ButtonColours Pressed {0x000000, 0xC0C0C0};
constexpr ButtonColours Checked {0x000000, 0xC0C0C0};
constexpr ButtonColours Disabled {0x404040, 0x808080};
constexpr ButtonColours Focused {0xFF0000, 0xC0C0C0};

constexpr float FontHeightDivisor = 1.6f;

void DrawEdge(QPainter& painter, const QRect& face, bool sunken)
{
    const QPoint topLeftEdge[] = {face.bottomLeft(), face.topLeft(), face.topRight()};
    const QPoint bottomRightEdge[] = {face.topRight(), face.bottomRight(), face.bottomLeft()};
    painter.setPen(QPen(sunken ? Qt::black : Qt::white, 1));
    painter.drawPolyline(topLeftEdge, 3);
    painter.setPen(QPen(sunken ? Qt::white : Qt::black, 1));
    painter.drawPolyline(bottomRightEdge, 3);
}

} // namespace

ButtonColours ButtonColoursFor(const ButtonDrawState& state, std::optional<quint32> overrideBackground)
{
    if (overrideBackground) {
        return {0x000000, *overrideBackground};
    }
    if (state.pressed) {
        return Pressed;
    }
    if (state.checked) {
        return Checked;
    }
    if (state.disabled) {
        return Disabled;
    }
    if (state.focused) {
        return Focused;
    }
    return Normal;
}

void PaintColourButton(QPainter& painter,
                       const QRect& item,
                       const ButtonDrawState& state,
                       std::optional<quint32> overrideBackground,
                       const QString& caption)
{
    const ButtonColours colours = ButtonColoursFor(state, overrideBackground);
    painter.save();

    QRect face = item.adjusted(1, 1, -1, -1);
    painter.fillRect(face, QColorFromColourValue(colours.background));
    DrawEdge(painter, face, state.pressed);

    // The caption's size follows the room left beside the height the button's own font gives it.
    QRect textRect = face.adjusted(1, 1, -1, -1);
    const int textHeight = painter.fontMetrics().boundingRect(textRect, Qt::AlignHCenter, caption).height();
    const int captionRoom = textRect.height() - (textRect.height() - textHeight) / 2;
    if (state.pressed) {
        textRect.translate(1, 1);
    }

    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setBold(true);
    font.setPixelSize(std::max(1, int(float(captionRoom) / FontHeightDivisor)));
    painter.setFont(font);
    painter.setPen(QColorFromColourValue(colours.text));
    // Centred by the caption font's own line, which a CJK font makes taller than a Latin one.
    painter.drawText(textRect, Qt::AlignCenter, caption);

    painter.restore();
}
