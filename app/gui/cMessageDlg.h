#pragma once

#include "MessageBox.h"

#include <QDialog>
#include <QStyle>

class QLabel;
class QPushButton;

// The program's message box: an icon, the text and the buttons of its button code, labelled
// from the string table. Pressing a button stores its code in `result` and closes the dialog;
// Escape and closing the window count as Cancel (2) whichever buttons are shown. Reached only
// through MessageBox and MessageBoxId.
class cMessageDlg : public QDialog
{
    Q_OBJECT

public:
    explicit cMessageDlg(const ShownMessage& message, QWidget* parent = nullptr);

    // The platform icon shown for an icon code.
    static QStyle::StandardPixmap StandardIconFor(int icon);

    const QString text;
    const QString caption;
    const int buttons;
    const int icon;
    int result = ResultNone;

    void reject() override;

private:
    QPushButton* AddButton(QLayout* row, const char* objectName, unsigned labelId, int code);
    void Finish(int code);
};
