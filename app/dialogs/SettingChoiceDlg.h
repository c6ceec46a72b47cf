#pragma once

#include <QDialog>
#include <QStringList>

#include <functional>

class QComboBox;

// A drop-down list of the values of one setting with OK and Cancel. OK stores a changed choice and,
// when that worked, tells the user that it takes effect at the next start.
class SettingChoiceDlg : public QDialog
{
    Q_OBJECT

public:
    struct Setting
    {
        std::function<int()> read; // the stored value
        std::function<bool(int)> write; // stores a value, telling the user when that fails
    };

    SettingChoiceDlg(
        const QString& caption, const QStringList& choices, int selected, Setting setting, QWidget* parent = nullptr);

    void accept() override;

private:
    QComboBox* list;
    Setting setting;
};
