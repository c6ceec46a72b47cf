#pragma once

#include "app/settings/Settings.h"

#include <QString>
#include <QStringList>

// The projects used most recently, newest first, as the File menu lists them.
constexpr int RecentProjectLimit = 4;

QStringList GetRecentProjects();
SettingWrite WriteRecentProjects(const QStringList& paths);

// `paths` with `path` moved or added to the front, each path once, at most RecentProjectLimit.
QStringList WithRecentProject(QStringList paths, const QString& path);

// The folder the last report was written to; empty before the first.
QString GetLastReportFolder();
SettingWrite WriteLastReportFolder(const QString& folder);
