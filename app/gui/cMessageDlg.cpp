#include "cMessageDlg.h"

#include "app/strings/StringIds.h"
#include "app/strings/StringSource.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int IconSize = 32;

} // namespace

cMessageDlg::cMessageDlg(const ShownMessage& message, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , text(message.text)
    , caption(message.caption)
    , buttons(message.buttons)
    , icon(message.icon)
{
    // The layout is the program's own; every text comes from the language in use.
    if (StringSource().useLanguageLibrary) {
        UseOwnResources();
    }
    UseLanguageResources();
    setWindowTitle(caption);
    setObjectName("messageDialog");

    auto* iconLabel = new QLabel(this);
    iconLabel->setObjectName("iconLabel");
    iconLabel->setPixmap(style()->standardIcon(StandardIconFor(icon), nullptr, this).pixmap(IconSize, IconSize));
    iconLabel->setAlignment(Qt::AlignTop);

    auto* textLabel = new QLabel(text, this);
    textLabel->setObjectName("textLabel");
    textLabel->setTextFormat(Qt::PlainText);

    auto* messageRow = new QHBoxLayout;
    messageRow->addWidget(iconLabel);
    messageRow->addWidget(textLabel, 1);

    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch(1);
    QPushButton* open = AddButton(buttonRow, "openButton", StringId::Open, ResultOpen);
    QPushButton* yes = AddButton(buttonRow, "yesButton", StringId::Yes, ResultYes);
    QPushButton* no = AddButton(buttonRow, "noButton", StringId::No, ResultNo);
    QPushButton* ok = AddButton(buttonRow, "okButton", StringId::Ok, ResultOk);
    QPushButton* cancel = AddButton(buttonRow, "cancelButton", StringId::Cancel, ResultCancel);
    buttonRow->addStretch(1);

    const bool yesNo = buttons == ButtonsYesNoCancel || buttons == ButtonsYesNo;
    yes->setVisible(yesNo);
    no->setVisible(yesNo);
    ok->setVisible(!yesNo);
    cancel->setVisible(buttons == ButtonsYesNoCancel || buttons == ButtonsOkCancel);
    open->setVisible(buttons == ButtonsOpenOk);
    (yesNo ? yes : buttons == ButtonsOpenOk ? open : ok)->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(messageRow);
    layout->addLayout(buttonRow);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QStyle::StandardPixmap cMessageDlg::StandardIconFor(int icon)
{
    switch (icon) {
    case IconInformation:
        return QStyle::SP_MessageBoxInformation;
    case IconQuestion:
        return QStyle::SP_MessageBoxQuestion;
    case IconError:
        return QStyle::SP_MessageBoxCritical;
    default:
        return QStyle::SP_MessageBoxWarning;
    }
}

void cMessageDlg::reject()
{
    Finish(ResultCancel);
}

QPushButton* cMessageDlg::AddButton(QLayout* row, const char* objectName, unsigned labelId, int code)
{
    auto* button = new QPushButton(LoadAppString(labelId), this);
    button->setObjectName(objectName);
    connect(button, &QPushButton::clicked, this, [this, code] { Finish(code); });
    row->addWidget(button);
    return button;
}

void cMessageDlg::Finish(int code)
{
    result = code;
    done(code);
}
