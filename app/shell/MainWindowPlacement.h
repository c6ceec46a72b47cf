#pragma once

#include <QPoint>
#include <QSize>

// Where the main window starts on a screen of a given size: maximised on small screens, else a
// 995 x 750 window in the middle (at the top left corner when the screen is barely larger).
struct MainWindowPlacement
{
    bool maximised = false;
    QPoint position;
    QSize size;
};

MainWindowPlacement PlaceMainWindow(QSize screen);
