#include "pages/details/DetailsDlg.h"

#include "app/gui/CQvxReportWriterDoc.h"
#include "app/gui/DesktopViewer.h"
#include "app/gui/FileChooser.h"
#include "app/gui/MessageBox.h"
#include "app/gui/WaitCursor.h"
#include "app/settings/RecentFiles.h"
#include "app/settings/Settings.h"
#include "app/strings/StringIds.h"
#include "app/strings/StringSource.h"
#include "output/CursorChoices.h"
#include "output/PrintReport.h"
#include "output/PrintfText.h"
#include "pages/details/ReportRun.h"
#include "report/ReportProject.h"

#include <QDir>
#include <QFileInfo>

namespace {

// Where the report dialog starts: beside the project under the project's name; for a project never
// saved, in the folder of the last report.
QString SuggestedReportPath(const QString& projectPath)
{
    if (!projectPath.isEmpty()) {
        const QFileInfo project(projectPath);
        return project.dir().filePath(project.completeBaseName() + QStringLiteral(".pdf"));
    }
    const QString lastFolder = GetLastReportFolder();
    const QString name = QStringLiteral("report");
    return lastFolder.isEmpty() ? name : QDir(lastFolder).filePath(name);
}

} // namespace

void DetailsDlg::GenerateReport()
{
    if (Project().InspectionCount() == 0) {
        MessageBoxId(StringId::NoReportsSelected, IconExclamation, ButtonsOk);
        return;
    }
    const QString filter = QStringLiteral("%1 (*.pdf);;%2 (*.*)")
                               .arg(LoadAppString(StringId::PdfFiles), LoadAppString(StringId::AllFiles));
    const auto chosen = ChooseFile(
        this,
        {FileRequest::Save, QString(), SuggestedReportPath(document->documentPath()), QStringLiteral("pdf"), filter});
    if (!chosen) {
        return;
    }
    // The folder keeps its trailing separator: the path with the file name cut off its end.
    const QString fileName = QFileInfo(chosen->path).fileName();
    const QString folder = chosen->path.left(chosen->path.size() - fileName.size());

    ReportRunOutcome outcome;
    {
        WaitCursor waiting;
        StoreInspection();
        // Inspections never shown here get the cursors the page would have chosen; the project keeps them.
        FillUnsetCursorChoices(Project());
        outcome =
            RunReport(this, folder, fileName, Project(), {document->Template(), document->Unit(), GetCommonScale()});
    }
    if (outcome.saved) {
        WriteLastReportFolder(QFileInfo(chosen->path).absolutePath());
        OfferToOpen(outcome.path);
    } else if (outcome.errorCode == int(PrintError::Cancelled)) {
        MessageBoxId(StringId::ReportCancelled, IconInformation, ButtonsOk);
    } else if (const QString message = PrintErrorMessage(outcome.errorCode); !message.isEmpty()) {
        MessageBox(message, IconExclamation, ButtonsOk);
    }
}

void DetailsDlg::OfferToOpen(const QString& path)
{
    const QString saved = FillPlaceholders(LoadAppString(StringId::ReportSaved), {QDir::toNativeSeparators(path)});
    if (MessageBox(saved, IconInformation, ButtonsOpenOk) == ResultOpen && !OpenInDesktopViewer(path)) {
        MessageBoxId(StringId::CannotOpenReport, IconExclamation, ButtonsOk);
    }
}
