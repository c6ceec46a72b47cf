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

void LogoFrame::SetMissingText(const QString& text)
{
    missingText = text;
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
    QPainter painter(this);
    if (logo.isNull()) {
        painter.drawText(contentsRect().adjusted(8, 8, -8, -8), Qt::AlignCenter | Qt::TextWrapAnywhere, missingText);
        return;
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(LogoRect().translated(contentsRect().topLeft()), logo);
}
