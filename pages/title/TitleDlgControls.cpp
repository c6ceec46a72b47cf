#include "pages/title/TitleDlg.h"

#include "app/gui/CQvxReportWriterDoc.h"
#include "app/strings/StringIds.h"
#include "app/strings/StringSource.h"
#include "pages/colour/cColourEdit.h"
#include "pages/controls/LimitedLineEdit.h"
#include "pages/title/LogoFrame.h"

#include <QDateTimeEdit>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>

namespace {

template<class Control>
Control* Place(Control* control, const char* objectName, const QRect& geometry)
{
    control->setObjectName(QLatin1String(objectName));
    control->setGeometry(geometry);
    return control;
}

QLabel* PlaceLabel(QWidget* page, unsigned textId, const char* objectName, const QRect& geometry)
{
    return Place(new QLabel(LoadAppString(textId), page), objectName, geometry);
}

} // namespace

void TitleDlg::BuildControls()
{
    // The page's own layout, in page pixels, like the dialog it stands for.
    logoFrame = Place(new LogoFrame(this), "logoFrame", {20, 20, 420, 160});
    logoPathEdit = Place(new QLineEdit(this), "logoPathEdit", {20, 190, 420, 24});
    logoPathEdit->setReadOnly(true);
    setImageButton =
        Place(new QPushButton(LoadAppString(StringId::SetImage), this), "setImageButton", {460, 20, 120, 28});
    clearImageButton =
        Place(new QPushButton(LoadAppString(StringId::ClearImage), this), "clearImageButton", {460, 56, 120, 28});

    companyLabel = PlaceLabel(this, StringId::Company, "companyLabel", {20, 238, 110, 24});
    companyEdit = Place(new LimitedLineEdit(NameLimit, this), "companyEdit", {140, 238, 300, 24});
    authorLabel = PlaceLabel(this, StringId::Author, "authorLabel", {20, 272, 110, 24});
    authorEdit = Place(new LimitedLineEdit(NameLimit, this), "authorEdit", {140, 272, 300, 24});

    dateRadio = Place(new QRadioButton(LoadAppString(StringId::Date), this), "dateRadio", {20, 308, 110, 24});
    datePicker = Place(new QDateTimeEdit(this), "datePicker", {140, 308, 160, 24});
    datePicker->setDisplayFormat(QLocale().dateFormat(QLocale::ShortFormat));
    datePicker->setCalendarPopup(true);
    noDateRadio = Place(new QRadioButton(LoadAppString(StringId::NoDate), this), "noDateRadio", {320, 308, 120, 24});
    dateRadio->setChecked(true);

    commentsLabel = PlaceLabel(this, StringId::GeneralComments, "commentsLabel", {20, 346, 300, 20});
    commentsEdit =
        Place(new cColourEdit(cColourEdit::Lines::Multiple, this), "generalCommentsEdit", {20, 368, 560, 290});
    commentsEdit->SetLimitText(CommentsLimit);
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
