#include "DesktopViewer.h"

#include <QDesktopServices>
#include <QUrl>

namespace {

DesktopViewerHandler& Handler()
{
    static DesktopViewerHandler handler;
    return handler;
}

} // namespace

bool OpenInDesktopViewer(const QString& path)
{
    if (Handler()) {
        return Handler()(path);
    }
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void SetDesktopViewerHandler(DesktopViewerHandler handler)
{
    Handler() = std::move(handler);
}
