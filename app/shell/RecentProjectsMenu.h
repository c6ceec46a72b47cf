#pragma once

#include <QObject>
#include <QString>

class QAction;
class QMenu;

// The File menu's list of the projects used most recently, kept in the settings: numbered entries
// placed before a given action, with a separator after them while there are any.
class RecentProjectsMenu : public QObject
{
    Q_OBJECT

public:
    RecentProjectsMenu(QMenu* menu, QAction* before, QObject* parent = nullptr);

    // `path` becomes the newest entry.
    void Add(const QString& path);
    void Remove(const QString& path);

signals:
    void ProjectChosen(const QString& path);

private:
    void Rebuild();

    QMenu* menu;
    QAction* before;
    QList<QAction*> entries;
};
