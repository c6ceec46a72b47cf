#include "pages/TitleDlg.h"

#include "app/gui/CQvxReportWriterDoc.h"
#include "app/gui/FileChooser.h"
#include "app/gui/MessageBox.h"
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
    companyEdit->SetText(company);
    Title().company = company;
}

void TitleDlg::SetAuthor(const QString& author)
{
    authorEdit->SetText(author);
    Title().author = author;
}

void TitleDlg::SetGeneralComments(const QString& comments)
{
    commentsEdit->SetText(comments);
    Title().generalComments = comments;
    ColourComments();
}

void TitleDlg::SetLogoPath(const QString& path)
{
    if (path.isEmpty()) {
        logoFrame->ClearLogo();
        logoPath.clear();
    } else if (LoadLogo(path)) {
        logoPath = path;
    }
    Title().logoPath = logoPath;
    logoPathEdit->setText(logoPath);
}

void TitleDlg::SetDate(const OleDate& date)
{
    Title().date = date;
    const QDateTime shown = DateTimeFromOleDate(date);
    if (shown.isValid()) {
        const QSignalBlocker quiet(datePicker);
        datePicker->setDateTime(shown);
    }
}

void TitleDlg::SetShowDate(bool show)
{
    dateRadio->setChecked(show);
    noDateRadio->setChecked(!show);
    datePicker->setEnabled(show);
    Title().showDate = show;
}

void TitleDlg::Reset()
{
    logoFrame->ClearLogo();
    logoPath.clear();
    Title().logoPath.clear();
    logoPathEdit->clear();
    ApplyRegistryDefaults();
    // Today's date and time, to the second.
    QDateTime now = QDateTime::currentDateTime();
    now.setTime(QTime(now.time().hour(), now.time().minute(), now.time().second()));
    SetDate(OleDateFromDateTime(now));
    SetShowDate(true);
    SetGeneralComments(QString());
    TakeValues();
}

bool TitleDlg::TakeValues()
{
    ReportTitle& title = Title();
    title.company = companyEdit->text();
    title.author = authorEdit->text();
    // The picker only replaces the date when it shows another one, so that a loaded date keeps
    // every digit it was read with.
    if (datePicker->dateTime() != DateTimeFromOleDate(title.date)) {
        title.date = OleDateFromDateTime(datePicker->dateTime());
    }
    title.generalComments = commentsEdit->Text();
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
    if (LoadLogo(chosen->path)) {
        logoPath = chosen->path;
    }
    Title().logoPath = logoPath;
    logoPathEdit->setText(logoPath);
    SaveLogoPathDefault(logoPath);
}

void TitleDlg::ClearImage()
{
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
        logoPath = *defaults.logoPath;
        Title().logoPath = logoPath;
        if (logoPath.isEmpty() || !LoadLogo(logoPath)) {
            logoFrame->ClearLogo();
        }
        logoPathEdit->setText(Title().logoPath);
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
    SetLogoPath(title.logoPath);
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
