#pragma once

#include "app/dialogs/SettingChoiceDlg.h"

// The report template choice, Maintenance or Buildings, the stored one selected. The pages set up
// their fields for the template at the next start.
class cTemplateDlg : public SettingChoiceDlg
{
    Q_OBJECT

public:
    explicit cTemplateDlg(QWidget* parent = nullptr);
};
