#include "pages/title/LogoFit.h"

QRect LogoRectInFrame(const QSize& frame, const QSize& picture)
{
    const int fw = frame.width();
    const int fh = frame.height();
    int width = picture.width();
    int height = picture.height();
    if ((width > fw || height > fh) && width > 0 && height > 0) {
        if (height - fh < width - fw) {
            width = fw;
            height = int(float(fw) * float(picture.height()) / float(picture.width()));
            if (height > fh && height > 0) {
                width = int(float(fh) * float(fw) / float(height));
                height = fh;
            }
        } else {
            width = int(float(fh) * float(picture.width()) / float(picture.height()));
            height = fh;
        }
    }
    const int x = width < fw ? (fw - width) / 2 : 0;
    const int y = height < fh ? (fh - height) / 2 : 0;
    return {x, y, width, height};
}

QSize ScreenPixelsOf(const QSize& himetric, int dotsPerInchX, int dotsPerInchY)
{
    return {int(qint64(himetric.width()) * dotsPerInchX / 2540), int(qint64(himetric.height()) * dotsPerInchY / 2540)};
}
