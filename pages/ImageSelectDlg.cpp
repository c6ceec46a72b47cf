#include "pages/ImageSelectDlg.h"

#include "app/strings/StringIds.h"
#include "app/strings/StringSource.h"

ImageSelectDlg::ImageSelectDlg(CQvxReportWriterDoc* document, QWidget* parent)
    : QWidget(parent)
    , document(document)
    , caption(LoadAppString(StringId::ImageSelect))
{
    setObjectName(QStringLiteral("ImageSelectDlg"));
}
