#include "report/ProjectCheck.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Inspections given as (snapshot, image) names; "" is an empty path, names starting with
// "missing" do not exist, every other name is created in the folder.
struct CheckCase
{
    const char* name;
    std::vector<std::pair<QString, QString>> inspections;
    std::optional<ProjectFileProblem::Kind> kind;
    int inspection;
    QString path;
};

class ProjectFiles : public testing::TestWithParam<CheckCase>
{
protected:
    QString PathOf(const QString& name)
    {
        if (name.isEmpty()) {
            return name;
        }
        const QString path = folder.filePath(name);
        if (!name.startsWith("missing")) {
            QFile file(path);
            EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        }
        return path;
    }

    QTemporaryDir folder;
};

TEST_P(ProjectFiles, FirstProblemInLoadingOrder)
{
    const CheckCase& c = GetParam();
    ReportProject project;
    for (const auto& [snapshot, image] : c.inspections) {
        project.AppendInspection({PathOf(snapshot), PathOf(image), {}});
    }
    const auto problem = CheckProjectFiles(project);
    if (!c.kind) {
        EXPECT_FALSE(problem.has_value());
        return;
    }
    ASSERT_TRUE(problem.has_value());
    const QString expectedPath = c.path.isEmpty() ? QString() : folder.filePath(c.path);
    EXPECT_EQ(*problem, (ProjectFileProblem {*c.kind, c.inspection, expectedPath}));
}

INSTANTIATE_TEST_SUITE_P(
    Cases,
    ProjectFiles,
    testing::Values(
        CheckCase {"AllPresent", {{"a.qvx", "a.jpg"}, {"b.qvx", ""}}, std::nullopt, 0, ""},
        CheckCase {"NoInspections", {}, std::nullopt, 0, ""},
        CheckCase {"EmptySnapshotPath", {{"a.qvx", ""}, {"", ""}}, ProjectFileProblem::EmptySnapshotPath, 1, ""},
        CheckCase {"MissingSnapshot",
                   {{"a.qvx", ""}, {"missing.qvx", ""}},
                   ProjectFileProblem::SnapshotNotFound,
                   1,
                   "missing.qvx"},
        CheckCase {"MissingImage", {{"a.qvx", "missing.jpg"}}, ProjectFileProblem::ImageNotFound, 0, "missing.jpg"},
        // Every snapshot is opened before the first image.
        CheckCase {"SnapshotsBeforeImages",
                   {{"a.qvx", "missing.jpg"}, {"missing.qvx", ""}},
                   ProjectFileProblem::SnapshotNotFound,
                   1,
                   "missing.qvx"}),
    [](const testing::TestParamInfo<CheckCase>& info) { return info.param.name; });

} // namespace
