#pragma once

#include <QScrollArea>

class CQvxReportWriterDoc;
class DetailsDlg;
class ImageSelectDlg;
class QTabWidget;
class TitleDlg;

// The main window's client area: a scroll area holding the three report pages as tabs. The pages are
// built once, with the view, and live as long as it does.
class CQvxReportWriterView : public QScrollArea
{
    Q_OBJECT

public:
    explicit CQvxReportWriterView(CQvxReportWriterDoc* document, QWidget* parent = nullptr);

    // Page 0 (Title Page), 1 (Image Select) or 2 (Inspection Data); nullptr for another index.
    QWidget* GetPage(int index) const;
    QTabWidget* Sheet() const { return sheet; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QTabWidget* sheet;
    TitleDlg* titlePage;
    ImageSelectDlg* imageSelectPage;
    DetailsDlg* detailsPage;
};
