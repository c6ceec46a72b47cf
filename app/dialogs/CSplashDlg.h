#pragma once

#include <QDialog>

// The about box: product name, version and legal notice on white. Only its OK button closes it;
// Enter and Escape do nothing.
class CSplashDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CSplashDlg(QWidget* parent = nullptr);

    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
