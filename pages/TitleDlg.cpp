#include "pages/TitleDlg.h"

#include "app/strings/StringIds.h"
#include "app/strings/StringSource.h"

TitleDlg::TitleDlg(CQvxReportWriterDoc* document, QWidget* parent)
    : QWidget(parent)
    , document(document)
    , caption(LoadAppString(StringId::TitlePage))
{
    setObjectName(QStringLiteral("TitleDlg"));
}
