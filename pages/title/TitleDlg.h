#pragma once

#include "report/OleDate.h"

#include <QDateTime>
#include <QWidget>

#include <utility>

class CQvxReportWriterDoc;
class LimitedLineEdit;
class LogoFrame;
class QDateTimeEdit;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
struct ReportTitle;
class cColourEdit;

// The "Title Page" page: the report's logo, company, author, date (or "No Date") and general
// comments, which it keeps in the open project's title. Logo path, company and author are also
// the user's defaults for every new project.
class TitleDlg : public QWidget
{
    Q_OBJECT

public:
    explicit TitleDlg(CQvxReportWriterDoc* document, QWidget* parent = nullptr);
    // Company and author become the defaults of the next run.
    ~TitleDlg() override;

    // The tab caption, from the string table in the language in use.
    QString Caption() const { return caption; }
    CQvxReportWriterDoc* Document() const { return document; }

    // Each puts a title value into its control and the project.
    void SetCompany(const QString& company);
    void SetAuthor(const QString& author);
    void SetGeneralComments(const QString& comments);
    // A path whose picture does not load keeps the previous logo and path; an empty path clears the logo.
    void SetLogoPath(const QString& path);
    // The logo the project names: one that does not load stays named and is shown as missing.
    void ShowLogo(const QString& path);
    void SetDate(const OleDate& date);
    void SetShowDate(bool show);

    // A new project: the registry's defaults, today's date, no comments.
    void Reset();
    // The values are in the project as soon as they change; before a save this tells, and answers
    // false, when company or author is longer than 40 characters (the long value is still kept).
    bool TakeValues();

    // The page's commands, as its buttons run them.
    void SetImage();
    void ClearImage();

    static constexpr int NameLimit = 40;
    static constexpr int CommentsLimit = 2200;

protected:
    // Enter and Escape do nothing on the page.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void BuildControls();
    void ConnectControls();
    ReportTitle& Title() const;
    bool LoadLogo(const QString& path);
    void ApplyRegistryDefaults();
    void ShowProjectTitle();
    void OnProjectReplaced();
    void ColourComments();
    // Red where the report's cell cannot hold the whole text.
    void ColourNames();
    // A value the user typed into the project, marking it modified; nothing while the page is
    // filling its controls from the project.
    void TakeUserEdit(QString& field, const QString& value);
    void TakeShownDate();
    void ChooseShowDate(bool show);

    // While alive, changes of the controls come from the project, not from the user.
    class ShowingProject
    {
    public:
        explicit ShowingProject(TitleDlg* page)
            : page(page)
            , wasShowing(std::exchange(page->showing, true))
        { }
        ~ShowingProject() { page->showing = wasShowing; }
        ShowingProject(const ShowingProject&) = delete;
        ShowingProject& operator=(const ShowingProject&) = delete;

    private:
        TitleDlg* page;
        bool wasShowing;
    };

    CQvxReportWriterDoc* document;
    QString caption;
    // The path of the logo the page shows; a project's path whose picture does not load gives way to it.
    QString logoPath;
    bool showing = false;
    // What the date picker showed when the page last put the project's date into it.
    QDateTime shownPickerDate;

    LogoFrame* logoFrame = nullptr;
    QLineEdit* logoPathEdit = nullptr;
    QPushButton* setImageButton = nullptr;
    QPushButton* clearImageButton = nullptr;
    QLabel* companyLabel = nullptr;
    LimitedLineEdit* companyEdit = nullptr;
    QLabel* authorLabel = nullptr;
    LimitedLineEdit* authorEdit = nullptr;
    QRadioButton* dateRadio = nullptr;
    QDateTimeEdit* datePicker = nullptr;
    QRadioButton* noDateRadio = nullptr;
    QLabel* commentsLabel = nullptr;
    cColourEdit* commentsEdit = nullptr;
};
