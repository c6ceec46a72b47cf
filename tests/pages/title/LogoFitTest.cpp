#include "pages/title/LogoFit.h"

#include <gtest/gtest.h>

namespace {

struct FitCase
{
    const char* name;
    QSize frame;
    QSize picture;
    QRect drawn;
};

class LogoFit : public testing::TestWithParam<FitCase>
{
};

TEST_P(LogoFit, ShrinksToFitKeepingProportionsAndCentres)
{
    EXPECT_EQ(LogoRectInFrame(GetParam().frame, GetParam().picture), GetParam().drawn);
}

INSTANTIATE_TEST_SUITE_P(
    Logos,
    LogoFit,
    testing::Values(FitCase {"smallerIsCentredAtItsOwnSize", {200, 200}, {100, 50}, {50, 75, 100, 50}},
                    FitCase {"wideFillsTheWidth", {200, 200}, {400, 100}, {0, 75, 200, 50}},
                    FitCase {"tallFillsTheHeight", {200, 200}, {100, 400}, {75, 0, 50, 200}},
                    // Wider by more than taller, yet still too tall once fitted across.
                    FitCase {"fittedAcrossThenDown", {200, 50}, {400, 150}, {33, 0, 133, 50}},
                    FitCase {"exactFit", {200, 100}, {200, 100}, {0, 0, 200, 100}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LogoPixels, HimetricBecomesScreenPixelsAtTheScreenResolution)
{
    EXPECT_EQ(ScreenPixelsOf({10583, 2645}, 96, 96), QSize(399, 99));
    EXPECT_EQ(ScreenPixelsOf({2540, 2540}, 96, 120), QSize(96, 120));
}

} // namespace
