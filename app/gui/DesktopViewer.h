#pragma once

#include <QString>

#include <functional>

// Opens a file in the program the desktop uses for its type. False when none could be started.
bool OpenInDesktopViewer(const QString& path);

// While a handler is installed it is asked instead of the desktop, so that tests launch nothing.
using DesktopViewerHandler = std::function<bool(const QString& path)>;
void SetDesktopViewerHandler(DesktopViewerHandler handler); // an empty handler restores the desktop
