#pragma once

#include <QPlainTextEdit>

// An edit control whose text and background colours can be set: the title page's general
// comments (red while they do not fit the report) and the page's read-only colour fields (a
// marker's colour behind its temperature, the pen colour swatch). Line breaks are given and
// returned as CR LF, so that character counts and limits match the report's text boxes.
class cColourEdit : public QPlainTextEdit
{
    Q_OBJECT

public:
    enum class Lines { Single, Multiple };

    explicit cColourEdit(Lines lines = Lines::Multiple, QWidget* parent = nullptr);

    // Colours are 0x00BBGGRR values.
    void SetBkColour(quint32 colour);
    void SetTextColour(quint32 colour);
    quint32 BkColour() const { return bkColour; }
    quint32 TextColour() const { return textColour; }

    QString Text() const;
    void SetText(const QString& text);

    // Typing and pasting stop at `limit` characters, a line break counting two; 0 for no limit.
    // A longer text given to SetText is kept whole.
    void SetLimitText(int limit);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    void ApplyColours();
    void CutToLimit();

    Lines lines;
    quint32 bkColour;
    quint32 textColour;
    int limit = 0;
    qsizetype counted = 0; // the length the limit was last checked against
    bool settingText = false;
};
