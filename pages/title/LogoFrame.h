#pragma once

#include <QFrame>
#include <QImage>

// The title page's logo frame: a sunken frame with the logo drawn inside, shrunk to fit and centred.
class LogoFrame : public QFrame
{
    Q_OBJECT

public:
    explicit LogoFrame(QWidget* parent = nullptr);

    // The logo and its size in screen pixels; a null image for none.
    void SetLogo(const QImage& picture, const QSize& pixels);
    void ClearLogo();
    // A text shown in place of a logo that could not be loaded; empty for none.
    void SetMissingText(const QString& text);
    QSize LogoPixels() const { return logoPixels; }
    // Where the logo is drawn, relative to the inside of the frame; empty without a logo.
    QRect LogoRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage logo;
    QString missingText;
    QSize logoPixels {-1, -1};
};
