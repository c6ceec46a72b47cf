#pragma once

#include <QDialog>

class QCheckBox;

// "Report Options": how the next reports are made. OK stores a changed choice at once; the next
// report follows it.
class cReportOptionsDlg : public QDialog
{
    Q_OBJECT

public:
    explicit cReportOptionsDlg(QWidget* parent = nullptr);

    void accept() override;

private:
    QCheckBox* commonScale;
};
