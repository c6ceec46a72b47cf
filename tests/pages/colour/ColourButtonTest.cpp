#include "pages/colour/ColourButtonPainting.h"
#include "pages/colour/cColourButton.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

constexpr QSize ButtonSize(320, 40);
const QString Caption = QStringLiteral("Generate PDF Report");

QImage Paint(const ButtonDrawState& state, std::optional<quint32> overrideColour, const QString& caption = Caption)
{
    QImage image(ButtonSize, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    QPainter painter(&image);
    PaintColourButton(painter, image.rect(), state, overrideColour, caption);
    return image;
}

// The smallest rectangle holding the pixels of the given colour inside the face.
QRect PixelsOf(const QImage& image, QColor colour)
{
    QRect found;
    for (int y = 3; y < image.height() - 3; ++y) {
        for (int x = 3; x < image.width() - 3; ++x) {
            if (image.pixelColor(x, y) == colour) {
                found |= QRect(x, y, 1, 1);
            }
        }
    }
    return found;
}

struct StateCase
{
    const char* name;
    ButtonDrawState state;
    quint32 text;
    quint32 background;
};

class ButtonStateColours : public testing::TestWithParam<StateCase>
{
};

TEST_P(ButtonStateColours, FirstApplyingStateChoosesThePair)
{
    const ButtonColours colours = ButtonColoursFor(GetParam().state, std::nullopt);
    EXPECT_EQ(colours.text, GetParam().text);
    EXPECT_EQ(colours.background, GetParam().background);
}

TEST_P(ButtonStateColours, OverrideColourWinsOverEveryState)
{
    const ButtonColours colours = ButtonColoursFor(GetParam().state, 0x80FF80);
    EXPECT_EQ(colours.text, 0x000000u);
    EXPECT_EQ(colours.background, 0x80FF80u);
    EXPECT_EQ(Paint(GetParam().state, 0x80FF80).pixelColor(5, 5), QColor(0x80, 0xFF, 0x80));
}

INSTANTIATE_TEST_SUITE_P(
    States,
    ButtonStateColours,
    testing::Values(StateCase {"normal", {}, 0x000000, 0xC0C0C0},
                    StateCase {"disabled", {false, false, true, false}, 0x404040, 0x808080},
                    StateCase {"focused", {false, false, false, true}, 0xFF0000, 0xC0C0C0},
                    StateCase {"disabledBeforeFocused", {false, false, true, true}, 0x404040, 0x808080},
                    StateCase {"pressedBeforeDisabled", {true, false, true, false}, 0x000000, 0xC0C0C0},
                    StateCase {"checkedBeforeFocused", {false, true, false, true}, 0x000000, 0xC0C0C0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ColourButtonPainting, RaisedEdgeIsWhiteTopLeftAndBlackBottomRight)
{
    const QImage image = Paint({}, 0x80FF80);
    EXPECT_EQ(image.pixelColor(1, 20), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(80, 1), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(ButtonSize.width() - 2, 20), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(80, ButtonSize.height() - 2), QColor(Qt::black));
}

TEST(ColourButtonPainting, PressedButtonIsSunkenWithItsCaptionMovedDownAndRight)
{
    const ButtonDrawState pressed {true, false, false, false};
    const QImage up = Paint({}, 0x80FF80);
    const QImage down = Paint(pressed, 0x80FF80);
    EXPECT_EQ(down.pixelColor(1, 20), QColor(Qt::black));
    EXPECT_EQ(down.pixelColor(80, 1), QColor(Qt::black));
    EXPECT_EQ(down.pixelColor(ButtonSize.width() - 2, 20), QColor(Qt::white));

    const QRect captionUp = PixelsOf(up, Qt::black);
    const QRect captionDown = PixelsOf(down, Qt::black);
    ASSERT_FALSE(captionUp.isEmpty());
    EXPECT_EQ(captionDown.topLeft(), captionUp.topLeft() + QPoint(1, 1));
}

// Latin and CJK fonts differ in their line heights; either caption sits in the middle of the face.
class CaptionCentring : public testing::TestWithParam<const char*>
{
};

TEST_P(CaptionCentring, CaptionIsCentredAcrossAndDown)
{
    const QRect caption = PixelsOf(Paint({}, 0x80FF80, QString::fromUtf8(GetParam())), Qt::black);
    ASSERT_FALSE(caption.isEmpty());
    EXPECT_NEAR(caption.center().x(), ButtonSize.width() / 2, 2);
    EXPECT_NEAR(caption.center().y(), ButtonSize.height() / 2, 3) << caption.top() << ".." << caption.bottom();
}

INSTANTIATE_TEST_SUITE_P(Captions, CaptionCentring, testing::Values("Generate PDF Report", "PDF レポートを作成"));

TEST(ColourButton, PaintsItsOverrideColourWhenDisabled)
{
    cColourButton button;
    button.resize(ButtonSize);
    button.SetCaption(Caption);
    button.SetColour(0x80FF80);
    button.setEnabled(false);
    const QImage shown = button.grab().toImage();
    EXPECT_EQ(shown.pixelColor(6, 6), QColor(0x80, 0xFF, 0x80));
    EXPECT_EQ(button.Caption(), Caption);
}

} // namespace
