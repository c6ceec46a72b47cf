#include "app/shell/MainMenu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <iterator>

namespace {

constexpr QvxMenuItem EnglishMenu[] = {
    {0, 0, "&File"},
    {1, CommandId::FileNew, "&New"},
    {1, CommandId::FileOpen, "&Open..."},
    {1, CommandId::FileSave, "&Save"},
    {1, CommandId::FileSaveAs, "Save &As..."},
    {1, 0, nullptr},
    {1, CommandId::ExportTrackingTable, "Export Trac&king Table..."},
    {1, CommandId::PackProject, "&Pack Project..."},
    {1, 0, nullptr},
    {1, CommandId::AppExit, "E&xit"},
    {0, 0, "&Tools"},
    {1, CommandId::Language, "&Language..."},
    {1, CommandId::Template, "&Template..."},
    {1, CommandId::ReportOptions, "&Report Options..."},
    {1, CommandId::SeverityCriteria, "&Severity Criteria..."},
    {0, 0, "&Help"},
    {1, CommandId::AppAbout, "&About Brenmor Report Writer..."},
};

} // namespace

std::span<const QvxMenuItem> EnglishMainMenu()
{
    return EnglishMenu;
}

QHash<unsigned int, QAction*> BuildMenuBar(QMenuBar* menuBar, std::span<const QvxMenuItem> rows)
{
    QHash<unsigned int, QAction*> actions;
    QMenu* menu = nullptr;
    for (const QvxMenuItem& row : rows) {
        const QString text = row.text ? QString::fromUtf8(row.text) : QString();
        if (row.depth == 0) {
            menu = menuBar->addMenu(text);
        } else if (!menu) {
            continue; // an item before any menu has nowhere to go
        } else if (row.commandId == 0 && !row.text) {
            menu->addSeparator();
        } else {
            QAction* action = menu->addAction(text);
            action->setObjectName(QStringLiteral("command%1").arg(row.commandId));
            actions.insert(row.commandId, action);
        }
    }
    return actions;
}
