#include "app/dialogs/SettingChoiceDlg.h"

#include "app/dialogs/OkCancelButtons.h"

#include <QComboBox>
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

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list);
    layout->addLayout(OkCancelButtons(*this));
    setMinimumWidth(260);
}

void SettingChoiceDlg::accept()
{
    apply(std::max(list->currentIndex(), 0));
    QDialog::accept();
}
