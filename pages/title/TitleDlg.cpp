#include "pages/title/TitleDlg.h"

#include "app/gui/CQvxReportWriterDoc.h"
#include "app/gui/FileChooser.h"
#include "app/gui/MessageBox.h"
#include "app/gui/ProjectMessages.h"
#include "app/strings/StringIds.h"
#include "app/strings/StringSource.h"
#include "pages/colour/ColourValueOf.h"
#include "pages/colour/cColourEdit.h"
#include "pages/controls/LimitedLineEdit.h"
#include "pages/details/TextFitColours.h"
#include "pages/pictures/Picture.h"
#include "pages/title/LogoFit.h"
#include "pages/title/LogoFrame.h"
#include "pages/title/TitleDefaults.h"

#include <QDateTimeEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>

#include <utility>

namespace {

const QString LogoFilter = QStringLiteral("Image Files (*.jpg *.bmp);;All Files (*.*)");

} // namespace

TitleDlg::TitleDlg(CQvxReportWriterDoc* document, QWidget* parent)
    : QWidget(parent)
    , document(document)
    , caption(LoadAppString(StringId::TitlePage))
{
    setObjectName(QStringLiteral("TitleDlg"));
    BuildControls();
    ShowProjectTitle();
    ApplyRegistryDefaults();
    ConnectControls();
    connect(document, &CQvxReportWriterDoc::ProjectReplaced, this, &TitleDlg::OnProjectReplaced);
    connect(document, &CQvxReportWriterDoc::GatherForSaving, this, &TitleDlg::TakeValues);
}

TitleDlg::~TitleDlg()
{
    SaveCompanyDefault(Title().company);
    SaveAuthorDefault(Title().author);
}

ReportTitle& TitleDlg::Title() const
{
    return document->Project().title;
}

void TitleDlg::SetCompany(const QString& company)
{
    const ShowingProject showing(this);
    Title().company = company;
    companyEdit->SetText(company);
}

void TitleDlg::SetAuthor(const QString& author)
{
    const ShowingProject showing(this);
    Title().author = author;
    authorEdit->SetText(author);
}

void TitleDlg::SetGeneralComments(const QString& comments)
{
    const ShowingProject showing(this);
    Title().generalComments = comments;
    commentsEdit->SetText(comments);
    ColourComments();
}

void TitleDlg::SetLogoPath(const QString& path)
{
    if (path.isEmpty()) {
        ShowLogo(QString());
    } else if (LoadLogo(path)) {
        logoPath = path;
        logoFrame->SetMissingText(QString());
    }
    Title().logoPath = logoPath;
    logoPathEdit->setText(logoPath);
}

void TitleDlg::ShowLogo(const QString& path)
{
    logoPath = path;
    Title().logoPath = path;
    logoPathEdit->setText(path);
    if (path.isEmpty()) {
        logoFrame->ClearLogo();
        logoFrame->SetMissingText(QString());
    } else if (LoadLogo(path)) {
        logoFrame->SetMissingText(QString());
    } else {
        // The project keeps naming its own logo: the user sees that it is missing and may set another.
        logoFrame->ClearLogo();
        logoFrame->SetMissingText(CouldNotFindText(path));
    }
}

void TitleDlg::SetDate(const OleDate& date)
{
    Title().date = date;
    const QDateTime shown = DateTimeFromOleDate(date);
    if (shown.isValid()) {
        const QSignalBlocker quiet(datePicker);
        datePicker->setDateTime(shown);
    }
    shownPickerDate = datePicker->dateTime();
}

void TitleDlg::SetShowDate(bool show)
{
    dateRadio->setChecked(show);
    noDateRadio->setChecked(!show);
    datePicker->setEnabled(show);
    Title().showDate = show;
}

void TitleDlg::TakeUserEdit(QString& field, const QString& value)
{
    if (showing || field == value) {
        return;
    }
    field = value;
    document->SetModified();
}

void TitleDlg::TakeShownDate()
{
    // Only a date the user picked replaces the project's, so that a loaded date keeps every digit
    // it was read with, and one the picker cannot show stays as it was.
    if (datePicker->dateTime() == shownPickerDate) {
        return;
    }
    shownPickerDate = datePicker->dateTime();
    Title().date = OleDateFromDateTime(datePicker->dateTime());
    document->SetModified();
}

void TitleDlg::ChooseShowDate(bool show)
{
    if (Title().showDate != show) {
        document->SetModified();
    }
    SetShowDate(show);
}

void TitleDlg::Reset()
{
    ShowLogo(QString());
    ApplyRegistryDefaults();
    // Today's date and time, to the second.
    QDateTime now = QDateTime::currentDateTime();
    now.setTime(QTime(now.time().hour(), now.time().minute(), now.time().second()));
    SetDate(OleDateFromDateTime(now));
    SetShowDate(true);
    SetGeneralComments(QString());
}

bool TitleDlg::TakeValues()
{
    // Every value reached the project as it was typed; what is left is to tell about a name too long.
    TakeShownDate();
    for (LimitedLineEdit* edit : {companyEdit, authorEdit}) {
        if (edit->text().size() > NameLimit) {
            MessageBox(LoadAppString(StringId::PleaseEnterNoMoreThan).arg(NameLimit), IconExclamation, ButtonsOk);
            edit->setFocus();
            return false;
        }
    }
    return true;
}

void TitleDlg::SetImage()
{
    const auto chosen = ChooseFile(this, {FileRequest::Open, QString(), QString(), QStringLiteral("jpg"), LogoFilter});
    if (!chosen) {
        return;
    }
    const QString previous = Title().logoPath;
    SetLogoPath(chosen->path);
    if (Title().logoPath != previous) {
        document->SetModified();
    }
    SaveLogoPathDefault(logoPath);
}

void TitleDlg::ClearImage()
{
    if (!Title().logoPath.isEmpty()) {
        document->SetModified();
    }
    SetLogoPath(QString());
    SaveLogoPathDefault(logoPath);
}

bool TitleDlg::LoadLogo(const QString& path)
{
    const auto picture = LoadPicture(path);
    if (!picture || picture->image.isNull()) {
        return false;
    }
    logoFrame->SetLogo(picture->image, ScreenPixelsOf(picture->himetric, logicalDpiX(), logicalDpiY()));
    return true;
}

void TitleDlg::ApplyRegistryDefaults()
{
    const TitleDefaults defaults = ReadTitleDefaults();
    if (defaults.logoPath) {
        ShowLogo(*defaults.logoPath);
    }
    if (defaults.company) {
        SetCompany(*defaults.company);
    }
    if (defaults.author) {
        SetAuthor(*defaults.author);
    }
}

void TitleDlg::ShowProjectTitle()
{
    // A copy: each setter writes its field back into the project as it goes.
    const ReportTitle title = Title();
    ShowLogo(title.logoPath);
    SetCompany(title.company);
    SetAuthor(title.author);
    SetShowDate(title.showDate);
    SetDate(title.date);
    SetGeneralComments(title.generalComments);
}

void TitleDlg::OnProjectReplaced()
{
    // A project without a file is a new one: it takes the user's defaults.
    if (document->documentPath().isEmpty()) {
        Reset();
    } else {
        ShowProjectTitle();
    }
}

void TitleDlg::ColourComments()
{
    commentsEdit->SetTextColour(ColourValueOf(TextFitColour(TypedField::GeneralComments, commentsEdit->Text())));
}

void TitleDlg::ColourNames()
{
    for (auto [edit, field] : {std::pair {companyEdit, TypedField::Company}, {authorEdit, TypedField::Author}}) {
        QPalette colours = edit->palette();
        colours.setColor(QPalette::Text, TextFitColour(field, edit->text()));
        edit->setPalette(colours);
    }
}
