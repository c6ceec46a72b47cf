#include "pages/DetailsDlg.h"

#include "app/strings/StringIds.h"
#include "app/strings/StringSource.h"

DetailsDlg::DetailsDlg(CQvxReportWriterDoc* document, QWidget* parent)
    : QWidget(parent)
    , document(document)
    , caption(LoadAppString(StringId::InspectionData))
{
    setObjectName(QStringLiteral("DetailsDlg"));
}
