#include "app/dialogs/TrackingTableExport.h"

#include "app/gui/CQvxReportWriterDoc.h"
#include "app/gui/FileChooser.h"
#include "app/gui/MessageBox.h"
#include "app/gui/WaitCursor.h"
#include "app/strings/StringIds.h"
#include "app/strings/StringSource.h"
#include "output/PrintfText.h"
#include "output/TrackingTable.h"

#include <QFileInfo>

bool ExportTrackingTable(CQvxReportWriterDoc& document, QWidget* parent)
{
    if (document.Project().InspectionCount() == 0) {
        MessageBoxId(StringId::NoReportsSelected, IconExclamation, ButtonsOk);
        return false;
    }
    const QString filter = QStringLiteral("%1 (*.csv);;%2 (*.*)")
                               .arg(LoadAppString(StringId::CsvFiles), LoadAppString(StringId::AllFiles));
    const auto chosen = ChooseFile(parent,
                                   {FileRequest::Save,
                                    LoadAppString(StringId::ExportTrackingTable),
                                    QFileInfo(document.documentName()).completeBaseName(),
                                    QStringLiteral("csv"),
                                    filter});
    if (!chosen) {
        return false;
    }
    const FileWriteResult saved = [&] {
        WaitCursor waiting;
        return SaveTrackingTable(chosen->path, document.Project(), document.Unit());
    }();
    if (!saved.Ok()) {
        const QString detail = saved.Message().isEmpty() ? chosen->path : chosen->path + u'\n' + saved.Message();
        MessageBox(FillPlaceholders(LoadAppString(StringId::CannotWriteTrackingTable), {detail}), IconError, ButtonsOk);
    }
    return saved.Ok();
}
