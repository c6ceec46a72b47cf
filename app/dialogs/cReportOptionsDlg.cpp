#include "app/dialogs/cReportOptionsDlg.h"

#include "app/settings/Settings.h"
#include "app/settings/SettingsMessages.h"
#include "app/strings/StringIds.h"
#include "app/strings/StringSource.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

cReportOptionsDlg::cReportOptionsDlg(QWidget* parent)
    : QDialog(parent)
    , commonScale(new QCheckBox(LoadAppString(StringId::SameColourScale)))
{
    setObjectName(QStringLiteral("cReportOptionsDlg"));
    setWindowTitle(LoadAppString(StringId::ReportOptions));
    commonScale->setObjectName(QStringLiteral("commonScaleCheck"));
    commonScale->setChecked(GetCommonScale());

    auto* ok = new QPushButton(LoadAppString(StringId::Ok));
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(LoadAppString(StringId::Cancel));
    cancel->setObjectName(QStringLiteral("cancelButton"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(commonScale);
    layout->addLayout(buttons);
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
