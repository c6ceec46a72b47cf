#pragma once

#include "app/dialogs/SettingChoiceDlg.h"

class CQvxReportWriterDoc;

// The report template choice, Maintenance or Buildings, the open project's selected. OK gives the
// open project the chosen template at once and makes it the template of new projects.
class cTemplateDlg : public SettingChoiceDlg
{
    Q_OBJECT

public:
    explicit cTemplateDlg(CQvxReportWriterDoc& document, QWidget* parent = nullptr);
};
