#include "app/dialogs/OkCancelButtons.h"

#include "app/strings/StringIds.h"
#include "app/strings/StringSource.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

QHBoxLayout* OkCancelButtons(QDialog& dialog)
{
    auto* ok = new QPushButton(LoadAppString(StringId::Ok));
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(LoadAppString(StringId::Cancel));
    cancel->setObjectName(QStringLiteral("cancelButton"));
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    return buttons;
}
