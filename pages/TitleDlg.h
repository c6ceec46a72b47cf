#pragma once

#include "report/OleDate.h"

#include <QWidget>

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
    void SetDate(const OleDate& date);
    void SetShowDate(bool show);

    // A new project: the registry's defaults, today's date, no comments.
    void Reset();
    // Takes the control values into the project; false, after the message, when company or author
    // is longer than 40 characters (the long value is still taken).
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

    CQvxReportWriterDoc* document;
    QString caption;
    // The path of the logo the page shows; a project's path whose picture does not load gives way to it.
    QString logoPath;

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
