#include "app/shell/MainWindowPlacement.h"

namespace {

constexpr int SmallScreenWidth = 1024;
constexpr QSize WindowSize(995, 750);

} // namespace

MainWindowPlacement PlaceMainWindow(QSize screen)
{
    if (screen.width() <= SmallScreenWidth) {
        return {true, {}, {}};
    }
    // Wider than 1024, so the window always fits across.
    const int x = screen.width() / 2 - 497;
    const int y = screen.height() <= 750 ? 0 : screen.height() / 2 - 375;
    return {false, QPoint(x, y), WindowSize};
}
