#include "app/shell/RecentProjectsMenu.h"

#include "app/settings/RecentFiles.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

RecentProjectsMenu::RecentProjectsMenu(QMenu* menu, QAction* before, QObject* parent)
    : QObject(parent)
    , menu(menu)
    , before(before)
{
    Rebuild();
}

void RecentProjectsMenu::Add(const QString& path)
{
    WriteRecentProjects(WithRecentProject(GetRecentProjects(), path));
    Rebuild();
}

void RecentProjectsMenu::Remove(const QString& path)
{
    QStringList paths = GetRecentProjects();
    paths.removeAll(path);
    WriteRecentProjects(paths);
    Rebuild();
}

void RecentProjectsMenu::Rebuild()
{
    qDeleteAll(entries);
    entries.clear();
    const QStringList paths = GetRecentProjects();
    for (int index = 0; index < paths.size(); ++index) {
        const QString& path = paths[index];
        auto* action = new QAction(QStringLiteral("&%1 %2").arg(index + 1).arg(QFileInfo(path).fileName()), menu);
        action->setObjectName(QStringLiteral("recentProject%1").arg(index + 1));
        action->setToolTip(QDir::toNativeSeparators(path));
        action->setStatusTip(QDir::toNativeSeparators(path));
        connect(action, &QAction::triggered, this, [this, path] { emit ProjectChosen(path); });
        menu->insertAction(before, action);
        entries.append(action);
    }
    if (!entries.isEmpty()) {
        entries.append(menu->insertSeparator(before));
    }
}
