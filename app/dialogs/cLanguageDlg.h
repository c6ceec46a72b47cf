#pragma once

#include "app/dialogs/SettingChoiceDlg.h"

#include <QList>

// The language choice: the given languages (by index, as InstalledLanguages finds them), the running
// one selected. A new choice takes effect at the next start.
class cLanguageDlg : public SettingChoiceDlg
{
    Q_OBJECT

public:
    cLanguageDlg(int runningLanguage, const QList<int>& languages, QWidget* parent = nullptr);
};
