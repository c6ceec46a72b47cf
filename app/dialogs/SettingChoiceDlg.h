#pragma once

#include <QDialog>
#include <QStringList>

#include <functional>

class QComboBox;

// A drop-down list of choices with OK and Cancel. OK hands the chosen position (0 when nothing is
// selected) to `apply`; Cancel changes nothing.
class SettingChoiceDlg : public QDialog
{
    Q_OBJECT

public:
    SettingChoiceDlg(const QString& caption,
                     const QStringList& choices,
                     int selected,
                     std::function<void(int chosen)> apply,
                     QWidget* parent = nullptr);

    void accept() override;

private:
    QComboBox* list;
    std::function<void(int)> apply;
};
