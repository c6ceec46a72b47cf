#include "app/shell/CMainFrame.h"

#include "app/dialogs/CSplashDlg.h"
#include "app/dialogs/ProgramIcon.h"
#include "app/dialogs/TrackingTableExport.h"
#include "app/dialogs/cLanguageDlg.h"
#include "app/dialogs/cReportOptionsDlg.h"
#include "app/dialogs/cSeverityCriteriaDlg.h"
#include "app/dialogs/cTemplateDlg.h"
#include "app/gui/CQvxReportWriterDoc.h"
#include "app/gui/MessageBox.h"
#include "app/shell/CQvxReportWriterView.h"
#include "app/shell/MainMenu.h"
#include "app/shell/MainWindowPlacement.h"
#include "app/shell/RecentProjectsMenu.h"
#include "app/strings/StringIds.h"
#include "app/strings/StringSource.h"
#include "pages/details/DetailsDlg.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>

namespace {

const QString TitlePrefix = QStringLiteral("VORNEX Brenmor Report Writer - ");

} // namespace

CMainFrame::CMainFrame(CQvxReportWriterDoc* document, std::span<const QvxMenuItem> menuRows, QWidget* parent)
    : QMainWindow(parent)
    , document(document)
    , view(new CQvxReportWriterView(document))
    , actions(BuildMenuBar(menuBar(), menuRows))
{
    setObjectName(QStringLiteral("CMainFrame"));
    setWindowIcon(ProgramIcon());
    setCentralWidget(view);
    document->SetDialogParent(this);
    ConnectCommands();
    SetUpRecentProjects();
    ShowDocumentTitle();
    connect(document, &CQvxReportWriterDoc::DocumentNameChanged, this, &CMainFrame::ShowDocumentTitle);
    connect(document, &CQvxReportWriterDoc::ModifiedChanged, this, &CMainFrame::ShowDocumentTitle);
}

void CMainFrame::ConnectCommands()
{
    const auto on = [this](unsigned int commandId, auto handler) {
        if (QAction* action = actions.value(commandId)) {
            connect(action, &QAction::triggered, this, handler);
        }
    };
    const auto shortcut = [this](unsigned int commandId, QKeySequence keys) {
        if (QAction* action = actions.value(commandId)) {
            action->setShortcut(keys);
        }
    };
    shortcut(CommandId::FileNew, QKeySequence(Qt::CTRL | Qt::Key_N));
    shortcut(CommandId::FileOpen, QKeySequence(Qt::CTRL | Qt::Key_O));
    shortcut(CommandId::FileSave, QKeySequence(Qt::CTRL | Qt::Key_S));

    on(CommandId::FileNew, [this] {
        if (AskToSaveChanges()) {
            document->New();
        }
    });
    on(CommandId::FileOpen, [this] {
        if (AskToSaveChanges()) {
            document->Open();
        }
    });
    on(CommandId::FileSave, [this] { document->Save(); });
    on(CommandId::FileSaveAs, [this] { document->SaveAs(); });
    on(CommandId::ExportTrackingTable, [this] {
        // What the Inspection Data page shows but has not stored yet belongs in the table too.
        if (auto* details = qobject_cast<DetailsDlg*>(GetPage(2))) {
            details->StoreInspection();
        }
        ExportTrackingTable(*document, this);
    });
    on(CommandId::AppExit, [this] { close(); });
    on(CommandId::Language, [this] {
        cLanguageDlg dialog(StringSource().language, this);
        dialog.exec();
    });
    on(CommandId::Template, [this] {
        cTemplateDlg dialog(*document, this);
        dialog.exec();
    });
    on(CommandId::ReportOptions, [this] {
        cReportOptionsDlg dialog(this);
        dialog.exec();
    });
    on(CommandId::SeverityCriteria, [this] { ChooseSeverityCriteria(*document, this); });
    on(CommandId::AppAbout, [this] {
        CSplashDlg dialog(this);
        dialog.exec();
    });
}

void CMainFrame::SetUpRecentProjects()
{
    // The list goes above Exit, in whatever language the menu came.
    QAction* exit = actions.value(CommandId::AppExit);
    auto* fileMenu = exit ? qobject_cast<QMenu*>(exit->parent()) : nullptr;
    if (!fileMenu) {
        return;
    }
    recentProjects = new RecentProjectsMenu(fileMenu, exit, this);
    connect(recentProjects, &RecentProjectsMenu::ProjectChosen, this, &CMainFrame::OpenRecentProject);
    connect(document, &CQvxReportWriterDoc::DocumentNameChanged, this, [this] {
        if (!document->documentPath().isEmpty()) {
            recentProjects->Add(document->documentPath());
        }
    });
}

void CMainFrame::OpenRecentProject(const QString& path)
{
    if (!AskToSaveChanges()) {
        return;
    }
    if (!QFileInfo::exists(path)) {
        recentProjects->Remove(path);
        MessageBox(
            LoadAppString(StringId::RecentProjectGone).arg(QDir::toNativeSeparators(path)), IconExclamation, ButtonsOk);
        return;
    }
    document->OpenProjectPath(path);
}

QWidget* CMainFrame::GetPage(int index) const
{
    return view ? view->GetPage(index) : nullptr;
}

void CMainFrame::ShowDocumentTitle()
{
    // A changed project is marked with a star after its name, as desktop programs do.
    const QString marker = document->IsModified() ? QStringLiteral("*") : QString();
    setWindowTitle(TitlePrefix + document->documentName() + marker);
}

void CMainFrame::PlaceOnScreen(QSize screen)
{
    const MainWindowPlacement placement = PlaceMainWindow(screen);
    if (placement.maximised) {
        setWindowState(windowState() | Qt::WindowMaximized);
        return;
    }
    move(placement.position);
    resize(placement.size);
}

bool CMainFrame::AskToSaveChanges()
{
    if (!document->IsModified()) {
        return true;
    }
    QString question = LoadAppString(StringId::SaveChangesTo);
    question.replace(QLatin1String("%s"), document->documentName());
    switch (MessageBox(question, IconQuestion, ButtonsYesNoCancel)) {
    case ResultYes:
        return document->Save();
    case ResultNo:
        return true;
    default:
        return false;
    }
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    if (AskToSaveChanges()) {
        event->accept();
    } else {
        event->ignore();
    }
}
