#include "app/shell/CQvxReportWriterView.h"

#include "pages/details/DetailsDlg.h"
#include "pages/imageselect/ImageSelectDlg.h"
#include "pages/title/TitleDlg.h"

#include <QScrollBar>
#include <QTabWidget>

namespace {

// The pages' own size: the view scrolls when it is smaller, and the pages grow with it when larger.
constexpr QSize SheetSize(980, 700);

} // namespace

CQvxReportWriterView::CQvxReportWriterView(CQvxReportWriterDoc* document, QWidget* parent)
    : QScrollArea(parent)
    , sheet(new QTabWidget)
    , titlePage(new TitleDlg(document))
    , imageSelectPage(new ImageSelectDlg(document))
    , detailsPage(new DetailsDlg(document))
{
    setObjectName(QStringLiteral("view"));
    sheet->setObjectName(QStringLiteral("sheet"));
    sheet->addTab(titlePage, titlePage->Caption());
    sheet->addTab(imageSelectPage, imageSelectPage->Caption());
    sheet->addTab(detailsPage, detailsPage->Caption());
    sheet->setCurrentIndex(0);
    sheet->setMinimumSize(SheetSize);
    setWidget(sheet);
    setWidgetResizable(true);
}

QWidget* CQvxReportWriterView::GetPage(int index) const
{
    switch (index) {
    case 0:
        return titlePage;
    case 1:
        return imageSelectPage;
    case 2:
        return detailsPage;
    default:
        return nullptr;
    }
}

void CQvxReportWriterView::resizeEvent(QResizeEvent* event)
{
    QScrollArea::resizeEvent(event);
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
}
