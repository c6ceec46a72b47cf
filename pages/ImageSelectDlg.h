#pragma once

#include <QWidget>

class CQvxReportWriterDoc;

// The "Image Select" page, hosted as a tab of the main window's view. For now only the hosted, empty
// page with its caption: the page's controls and its part of the project (the choice of snapshots and visual images)
// come next.
class ImageSelectDlg : public QWidget
{
    Q_OBJECT

public:
    explicit ImageSelectDlg(CQvxReportWriterDoc* document, QWidget* parent = nullptr);

    // The tab caption, from the string table in the language in use.
    QString Caption() const { return caption; }
    CQvxReportWriterDoc* Document() const { return document; }

private:
    CQvxReportWriterDoc* document;
    QString caption;
};
