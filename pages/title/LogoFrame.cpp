#include "pages/title/LogoFrame.h"

#include "pages/title/LogoFit.h"

#include <QPainter>

LogoFrame::LogoFrame(QWidget* parent)
    : QFrame(parent)
{
    setFrameStyle(QFrame::Box | QFrame::Sunken);
}

void LogoFrame::SetLogo(const QImage& picture, const QSize& pixels)
{
    logo = picture;
    logoPixels = pixels;
    update();
}

void LogoFrame::ClearLogo()
{
    logo = QImage();
    logoPixels = QSize(-1, -1);
    update();
}

QRect LogoFrame::LogoRect() const
{
    if (logo.isNull()) {
        return {};
    }
    return LogoRectInFrame(contentsRect().size(), logoPixels);
}

void LogoFrame::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    if (logo.isNull()) {
        return;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(LogoRect().translated(contentsRect().topLeft()), logo);
}
