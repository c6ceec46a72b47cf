#include "app/dialogs/SettingChoiceDlg.h"

#include "app/strings/StringIds.h"
#include "app/strings/StringSource.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

SettingChoiceDlg::SettingChoiceDlg(const QString& caption,
                                   const QStringList& choices,
                                   int selected,
                                   std::function<void(int chosen)> apply,
                                   QWidget* parent)
    : QDialog(parent)
    , list(new QComboBox)
    , apply(std::move(apply))
{
    setWindowTitle(caption);
    list->setObjectName(QStringLiteral("choiceList"));
    list->addItems(choices);
    list->setCurrentIndex(selected >= 0 && selected < choices.size() ? selected : -1);

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
    layout->addWidget(list);
    layout->addLayout(buttons);
    setMinimumWidth(260);
}

void SettingChoiceDlg::accept()
{
    apply(std::max(list->currentIndex(), 0));
    QDialog::accept();
}
