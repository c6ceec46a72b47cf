#pragma once

#include "lang/QvxLanguageLibrary.h"

#include <QHash>
#include <QMainWindow>

#include <span>

class CQvxReportWriterDoc;
class CQvxReportWriterView;
class QAction;
class RecentProjectsMenu;

// The main window: menu 450 (the language library's when one is in use), the view with the three
// pages, and the title "VORNEX Brenmor Report Writer - <document name>". No toolbar, no status bar.
class CMainFrame : public QMainWindow
{
    Q_OBJECT

public:
    // `menuRows` is the menu to show: the language library's, or the program's own English one.
    CMainFrame(CQvxReportWriterDoc* document, std::span<const QvxMenuItem> menuRows, QWidget* parent = nullptr);

    // Page 0 (Title Page), 1 (Image Select) or 2 (Inspection Data) of the view; nullptr for another index.
    QWidget* GetPage(int index) const;
    CQvxReportWriterView* View() const { return view; }

    // The menu's action of a command id, or nullptr.
    QAction* CommandAction(unsigned int commandId) const { return actions.value(commandId); }

    // The program name, the project's name and a star while it has changes not saved.
    void ShowDocumentTitle();

    // Starts maximised on a screen up to 1024 pixels wide, else 995 x 750 in the middle.
    void PlaceOnScreen(QSize screen);

    // Asks "Save changes to <name> ?" before the open project is discarded. True when the caller may go
    // on: No, or Yes and the project was saved; false on Cancel or when the save did not happen.
    bool AskToSaveChanges();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void ConnectCommands();
    void SetUpRecentProjects();
    void OpenRecentProject(const QString& path);

    CQvxReportWriterDoc* document;
    CQvxReportWriterView* view;
    QHash<unsigned int, QAction*> actions;
    RecentProjectsMenu* recentProjects = nullptr;
};
