#pragma once

#include <QPushButton>

// A push button that paints itself in chosen colours with a bold, centred caption; the
// Inspection Data page's "Generate PDF Report" button.
class cColourButton : public QPushButton
{
    Q_OBJECT

public:
    explicit cColourButton(QWidget* parent = nullptr);

    // Paints the button in `colour` (0x00BBGGRR) with black text, whatever its state, from now on.
    void SetColour(quint32 colour);
    void SetCaption(const QString& text);
    const QString& Caption() const { return caption; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool overrideColour = false;
    quint32 overrideBackground = 0;
    QString caption;
};
