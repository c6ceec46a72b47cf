#include "pages/title/TitleDlg.h"

#include "app/gui/CQvxReportWriterDoc.h"
#include "app/strings/StringIds.h"
#include "app/strings/StringSource.h"
#include "pages/colour/cColourEdit.h"
#include "pages/controls/LimitedLineEdit.h"
#include "pages/title/LogoFrame.h"

#include <QDateTimeEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

template<class Control>
Control* Named(Control* control, const char* objectName)
{
    control->setObjectName(QLatin1String(objectName));
    return control;
}

QLabel* NamedLabel(unsigned textId, const char* objectName)
{
    return Named(new QLabel(LoadAppString(textId)), objectName);
}

// The widths the page had as a fixed form; the comments box takes whatever the window adds.
constexpr int LabelWidth = 110;
constexpr int FieldWidth = 300;
constexpr int ButtonWidth = 120;
constexpr QSize LogoSize(420, 160);

} // namespace

void TitleDlg::BuildControls()
{
    logoFrame = Named(new LogoFrame, "logoFrame");
    logoFrame->setFixedSize(LogoSize);
    logoPathEdit = Named(new QLineEdit, "logoPathEdit");
    logoPathEdit->setReadOnly(true);
    logoPathEdit->setFixedWidth(LogoSize.width());
    setImageButton = Named(new QPushButton(LoadAppString(StringId::SetImage)), "setImageButton");
    clearImageButton = Named(new QPushButton(LoadAppString(StringId::ClearImage)), "clearImageButton");

    companyLabel = NamedLabel(StringId::Company, "companyLabel");
    companyEdit = Named(new LimitedLineEdit(NameLimit), "companyEdit");
    authorLabel = NamedLabel(StringId::Author, "authorLabel");
    authorEdit = Named(new LimitedLineEdit(NameLimit), "authorEdit");

    dateRadio = Named(new QRadioButton(LoadAppString(StringId::Date)), "dateRadio");
    datePicker = Named(new QDateTimeEdit, "datePicker");
    datePicker->setDisplayFormat(QLocale().dateFormat(QLocale::ShortFormat));
    datePicker->setCalendarPopup(true);
    noDateRadio = Named(new QRadioButton(LoadAppString(StringId::NoDate)), "noDateRadio");
    dateRadio->setChecked(true);

    commentsLabel = NamedLabel(StringId::GeneralComments, "commentsLabel");
    commentsEdit = Named(new cColourEdit(cColourEdit::Lines::Multiple), "generalCommentsEdit");
    commentsEdit->SetLimitText(CommentsLimit);
    commentsEdit->setMinimumSize(560, 200);
    LayOutControls();
}

void TitleDlg::LayOutControls()
{
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(setImageButton);
    buttons->addWidget(clearImageButton);
    buttons->addStretch();

    auto* date = new QHBoxLayout;
    date->addWidget(datePicker);
    date->addSpacing(20);
    date->addWidget(noDateRadio);
    date->addStretch();

    auto* form = new QGridLayout;
    form->setColumnMinimumWidth(0, LabelWidth);
    form->setHorizontalSpacing(10);
    form->addWidget(logoFrame, 0, 0, 1, 2);
    form->addLayout(buttons, 0, 2);
    form->addWidget(logoPathEdit, 1, 0, 1, 2);
    form->addWidget(companyLabel, 2, 0);
    form->addWidget(companyEdit, 2, 1);
    form->addWidget(authorLabel, 3, 0);
    form->addWidget(authorEdit, 3, 1);
    form->addWidget(dateRadio, 4, 0);
    form->addLayout(date, 4, 1, 1, 2);
    // Room the window adds goes to the right of the buttons, not into them.
    form->setColumnStretch(3, 1);
    setImageButton->setMinimumWidth(ButtonWidth);
    clearImageButton->setMinimumWidth(ButtonWidth);
    companyEdit->setFixedWidth(FieldWidth);
    authorEdit->setFixedWidth(FieldWidth);

    // The form keeps its size; the comments box grows with the window in both directions.
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(20, 20, 20, 20);
    page->addLayout(form);
    page->addSpacing(12);
    page->addWidget(commentsLabel);
    page->addWidget(commentsEdit, 1);
}

void TitleDlg::ConnectControls()
{
    connect(setImageButton, &QPushButton::clicked, this, &TitleDlg::SetImage);
    connect(clearImageButton, &QPushButton::clicked, this, &TitleDlg::ClearImage);
    connect(companyEdit, &QLineEdit::textChanged, this, [this](const QString& text) {
        TakeUserEdit(Title().company, text);
        ColourNames();
    });
    connect(authorEdit, &QLineEdit::textChanged, this, [this](const QString& text) {
        TakeUserEdit(Title().author, text);
        ColourNames();
    });
    connect(dateRadio, &QRadioButton::clicked, this, [this] { ChooseShowDate(true); });
    connect(noDateRadio, &QRadioButton::clicked, this, [this] { ChooseShowDate(false); });
    connect(datePicker, &QDateTimeEdit::dateTimeChanged, this, &TitleDlg::TakeShownDate);
    connect(commentsEdit, &cColourEdit::textChanged, this, [this] {
        TakeUserEdit(Title().generalComments, commentsEdit->Text());
        ColourComments();
    });
}

void TitleDlg::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}
