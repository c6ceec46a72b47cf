#include "app/settings/RecentFiles.h"

#include "app/settings/SettingsStores.h"

namespace {

constexpr const char* RecentProjectsName = "RecentProjects";
constexpr const char* LastReportFolderName = "LastReportFolder";

SettingWrite WriteValue(const QString& name, const QVariant& value)
{
    const auto store = OpenProgramKey();
    if (!store->isWritable()) {
        return SettingWrite::KeyUnavailable;
    }
    store->setValue(name, value);
    store->sync();
    return store->status() == QSettings::NoError ? SettingWrite::Written : SettingWrite::WriteFailed;
}

} // namespace

QStringList GetRecentProjects()
{
    QStringList paths = OpenProgramKey()->value(QLatin1String(RecentProjectsName)).toStringList();
    paths.removeAll(QString());
    paths.removeDuplicates();
    return paths.mid(0, RecentProjectLimit);
}

SettingWrite WriteRecentProjects(const QStringList& paths)
{
    return WriteValue(QLatin1String(RecentProjectsName), paths);
}

QStringList WithRecentProject(QStringList paths, const QString& path)
{
    paths.removeAll(path);
    paths.prepend(path);
    return paths.mid(0, RecentProjectLimit);
}

QString GetLastReportFolder()
{
    return OpenProgramKey()->value(QLatin1String(LastReportFolderName)).toString();
}

SettingWrite WriteLastReportFolder(const QString& folder)
{
    return WriteValue(QLatin1String(LastReportFolderName), folder);
}
