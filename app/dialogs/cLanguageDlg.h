#pragma once

#include "app/dialogs/SettingChoiceDlg.h"

// The language choice: the fourteen languages in index order, the running one selected. A new choice
// takes effect at the next start.
class cLanguageDlg : public SettingChoiceDlg
{
    Q_OBJECT

public:
    explicit cLanguageDlg(int runningLanguage, QWidget* parent = nullptr);
};
