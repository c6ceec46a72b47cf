#include "app/dialogs/cReportOptionsDlg.h"

#include "app/dialogs/OkCancelButtons.h"
#include "app/settings/Settings.h"
#include "app/settings/SettingsMessages.h"
#include "app/strings/StringIds.h"
#include "app/strings/StringSource.h"

#include <QCheckBox>
#include <QVBoxLayout>

cReportOptionsDlg::cReportOptionsDlg(QWidget* parent)
    : QDialog(parent)
    , commonScale(new QCheckBox(LoadAppString(StringId::SameColourScale)))
{
    setObjectName(QStringLiteral("cReportOptionsDlg"));
    setWindowTitle(LoadAppString(StringId::ReportOptions));
    commonScale->setObjectName(QStringLiteral("commonScaleCheck"));
    commonScale->setChecked(GetCommonScale());

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(commonScale);
    layout->addLayout(OkCancelButtons(*this));
    setMinimumWidth(260);
}

void cReportOptionsDlg::accept()
{
    // A failed write is told and the dialog stays, so the choice is not silently lost.
    if (commonScale->isChecked() != GetCommonScale() && !SetCommonScale(commonScale->isChecked())) {
        return;
    }
    QDialog::accept();
}
