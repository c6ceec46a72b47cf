#include "report/ProjectCheck.h"

#include "tests/support/SnapshotTestFiles.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Inspections given as (snapshot, image) file names; "" is an empty path. Names starting with
// "missing" do not exist, "junk" files hold text, "blank.qvx" is a snapshot without pixels and
// "good" files are a real snapshot or a real picture in the format of their suffix, and "cut"
// files a real bitmap whose pixel rows are missing (the file header alone still looks right).
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
        if (name.startsWith("good") && name.endsWith(".qvx")) {
            Write(path, WriteSnapshotFile(FieldsWithImage(ImageOf([](int row, int column) { return row * column; }))));
        } else if (name.startsWith("blank")) {
            Write(path, WriteSnapshotFile(SnapshotFileFields()));
        } else if (name.startsWith("good")) {
            QImage picture(64, 48, QImage::Format_RGB32);
            picture.fill(Qt::darkCyan);
            EXPECT_TRUE(picture.save(path, name.section('.', -1).toLower().toLatin1().constData()));
        } else if (name.startsWith("cut")) {
            QImage picture(64, 48, QImage::Format_RGB32);
            picture.fill(Qt::darkCyan);
            EXPECT_TRUE(picture.save(path, "bmp"));
            QFile file(path);
            EXPECT_TRUE(file.resize(100));
        } else if (name.startsWith("junk")) {
            Write(path, "neither a snapshot nor a picture");
        }
        return path;
    }

    static void Write(const QString& path, const QByteArray& bytes)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
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
        EXPECT_FALSE(problem.has_value()) << problem->kind;
        return;
    }
    ASSERT_TRUE(problem.has_value());
    const QString expectedPath = c.path.isEmpty() ? QString() : folder.filePath(c.path);
    EXPECT_EQ(*problem, (ProjectFileProblem {*c.kind, c.inspection, expectedPath}));
}

using P = ProjectFileProblem;

INSTANTIATE_TEST_SUITE_P(
    Cases,
    ProjectFiles,
    testing::Values(
        CheckCase {"AllUsable", {{"good1.qvx", "good.jpg"}, {"good2.qvx", ""}, {"good3.qvx", "good.bmp"}}, {}, 0, ""},
        CheckCase {"NoInspections", {}, {}, 0, ""},
        CheckCase {"EmptySnapshotPath", {{"good.qvx", ""}, {"", ""}}, P::EmptySnapshotPath, 1, ""},
        CheckCase {"MissingSnapshot", {{"good.qvx", ""}, {"missing.qvx", ""}}, P::SnapshotNotFound, 1, "missing.qvx"},
        CheckCase {"UnreadableSnapshot", {{"junk.qvx", ""}}, P::SnapshotNotReadable, 0, "junk.qvx"},
        CheckCase {"SnapshotWithoutPixels", {{"blank.qvx", ""}}, P::SnapshotNoPicture, 0, "blank.qvx"},
        CheckCase {"MissingImage", {{"good.qvx", "missing.jpg"}}, P::ImageNotFound, 0, "missing.jpg"},
        CheckCase {"UndecodableImage", {{"good.qvx", "junk.jpg"}}, P::ImageUndecodable, 0, "junk.jpg"},
        CheckCase {"InvalidBitmap", {{"good.qvx", "junk.bmp"}}, P::ImageInvalidBitmap, 0, "junk.bmp"},
        CheckCase {"BitmapWithoutItsRows", {{"good.qvx", "cut.bmp"}}, P::ImageInvalidBitmap, 0, "cut.bmp"},
        // Only a lower-case "bmp" ending is read as a bitmap file; others go to the picture decoder.
        CheckCase {"UpperCaseBmpIsAPicture", {{"good.qvx", "junk.BMP"}}, P::ImageUndecodable, 0, "junk.BMP"},
        CheckCase {"AnyDecodablePicture", {{"good.qvx", "good.png"}}, {}, 0, ""},
        // Every snapshot is opened before the first image.
        CheckCase {"SnapshotsBeforeImages",
                   {{"good.qvx", "missing.jpg"}, {"missing.qvx", ""}},
                   P::SnapshotNotFound,
                   1,
                   "missing.qvx"}),
    [](const testing::TestParamInfo<CheckCase>& info) { return info.param.name; });

} // namespace
