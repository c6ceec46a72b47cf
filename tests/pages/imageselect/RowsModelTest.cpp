#include "pages/imageselect/InspectionRowsModel.h"
#include "pages/imageselect/PairingPlan.h"
#include "report/ReportProject.h"
#include "tests/support/PageSamples.h"

#include <QAbstractItemModelTester>
#include <QIcon>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace {

struct PlanCase
{
    const char* name;
    QStringList snapshots;
    QStringList images;
    std::vector<int> plan;
};

void PrintTo(const PlanCase& plan, std::ostream* out)
{
    *out << plan.name;
}

class PairingPlanTest : public testing::TestWithParam<PlanCase>
{
};

TEST_P(PairingPlanTest, SameNamesPairFirstAndTheRestInOrder)
{
    EXPECT_EQ(PairingPlan(GetParam().snapshots, GetParam().images), GetParam().plan);
}

INSTANTIATE_TEST_SUITE_P(
    Names,
    PairingPlanTest,
    testing::Values(
        PlanCase {
            "InListOrderWithoutNames", {"/s/a.qvx", "/s/b.qvx", "/s/c.qvx"}, {"/i/x.jpg", "/i/y.jpg"}, {0, 1, -1}},
        PlanCase {"ByNameWhateverTheOrder",
                  {"/s/connector-lug.qvx", "/s/fuse-holder.qvx"},
                  {"/i/fuse-holder.jpg", "/i/connector-lug.jpg"},
                  {1, 0}},
        PlanCase {"TheRestTakeWhatNoNameTook",
                  {"/s/a.qvx", "/s/b.qvx", "/s/c.qvx", "/s/d.qvx"},
                  {"/i/b.jpg", "/i/x.jpg", "/i/y.jpg"},
                  {1, 0, 2, -1}},
        PlanCase {
            "CaseDoesNotMatter", {"/s/IR_0001.QVX", "/s/ir_0002.qvx"}, {"/i/IR_0002.jpg", "/i/ir_0001.JPG"}, {1, 0}},
        PlanCase {
            "OnlyTheLastExtensionGoes", {"/s/pump.v2.qvx", "/s/pump.qvx"}, {"/i/pump.jpg", "/i/pump.v2.bmp"}, {1, 0}},
        PlanCase {"TheFirstOfTwoSameNamedImages", {"/s/a.qvx"}, {"/i/a.bmp", "/i/a.jpg"}, {0}},
        PlanCase {
            "ASnapshotAddedTwiceTakesItsImageTwice", {"/s/a.qvx", "/s/a.qvx", "/s/b.qvx"}, {"/i/a.jpg"}, {0, 0, -1}},
        PlanCase {"NoImages", {"/s/a.qvx"}, {}, {-1}}),
    [](const testing::TestParamInfo<PlanCase>& info) { return std::string(info.param.name); });

// A model over its own project, checked by Qt's model tester throughout.
class RowsModelTest : public testing::Test
{
protected:
    RowsModelTest()
        : tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal)
    { }

    // Rows for snapshots named `names` in /s, each with a thumbnail of its own.
    void AddRows(const QStringList& names)
    {
        std::vector<FolderFile> files;
        for (const QString& name : names) {
            files.push_back({"/s/" + name + ".qvx", model.AppendThumb(Thumb(Qt::red))});
        }
        model.AppendRows(files);
    }

    std::vector<FolderFile> Images(const QStringList& names)
    {
        std::vector<FolderFile> files;
        for (const QString& name : names) {
            files.push_back({"/i/" + name + ".jpg", model.AppendThumb(Thumb(Qt::blue))});
        }
        return files;
    }

    // The base name of each row's image, "-" for none.
    QStringList Paired() const
    {
        QStringList paired;
        for (int row = 0; row < model.rowCount(); ++row) {
            const QString path = model.Selection(row)->imagePath;
            paired << (path.isEmpty() ? QStringLiteral("-") : BaseNameOf(path));
        }
        return paired;
    }

    static QImage Thumb(QColor colour)
    {
        QImage image(106, 80, QImage::Format_RGB32);
        image.fill(colour);
        return image;
    }

    ReportProject project;
    InspectionRowsModel model {project};
    QAbstractItemModelTester tester;
};

TEST_F(RowsModelTest, RowsAreTheProjectsInspections)
{
    AddRows({"a", "b", "c"});
    ASSERT_EQ(model.rowCount(), 3);
    EXPECT_EQ(model.columnCount(), 2);
    EXPECT_EQ(project.InspectionCount(), 3);
    EXPECT_EQ(project.Details().Count(), 3);
    EXPECT_EQ(project.SelectionAt(1)->snapshotPath, "/s/b.qvx");
    EXPECT_EQ(model.Selection(1), project.SelectionAt(1));
    EXPECT_EQ(model.Selection(3), nullptr);
    EXPECT_EQ(model.headerData(0, Qt::Horizontal).toString(), "Thermal Snapshot");
    EXPECT_EQ(model.headerData(1, Qt::Horizontal).toString(), "Visual Image");

    project.DetailsAt(2)->name = "third";
    model.RemoveRow(1);
    ASSERT_EQ(model.rowCount(), 2);
    EXPECT_EQ(project.Details().Count(), 2);
    EXPECT_EQ(project.DetailsAt(1)->name, "third");
    EXPECT_EQ(model.Selection(1)->snapshotPath, "/s/c.qvx");
    EXPECT_EQ(model.ThumbIndex(1, InspectionRowsModel::SnapshotColumn), 2);

    model.RemoveAllRows();
    EXPECT_EQ(model.rowCount(), 0);
    EXPECT_EQ(project.InspectionCount(), 0);
    EXPECT_EQ(project.Details().Count(), 0);
    EXPECT_EQ(model.Thumbs().size(), 3) << "removing rows keeps the thumbnails";
    model.Clear();
    EXPECT_TRUE(model.Thumbs().isEmpty());
}

TEST_F(RowsModelTest, CellsShowTheirThumbnailsAndAPlaceholderUntilTheyArrive)
{
    const int pending = model.ReserveThumbs(2);
    model.AppendRows({{"/s/a.qvx", pending}, {"/s/b.qvx", pending + 1}, {"/s/a.qvx", pending}});
    EXPECT_TRUE(model.WaitsForThumbs());
    const QModelIndex first = model.index(0, 0);
    EXPECT_EQ(model.data(first, InspectionRowsModel::ThumbIndexRole).toInt(), pending);
    const QIcon placeholder = model.data(first, Qt::DecorationRole).value<QIcon>();
    ASSERT_FALSE(placeholder.isNull());
    EXPECT_FALSE(model.data(model.index(0, 1), Qt::DecorationRole).isValid()) << "no image paired";
    EXPECT_EQ(model.data(model.index(0, 1), InspectionRowsModel::ThumbIndexRole).toInt(), -1);

    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    model.SetThumb(pending, Thumb(Qt::green));
    ASSERT_EQ(changed.count(), 2) << "both rows of that snapshot";
    EXPECT_EQ(changed[0][0].value<QModelIndex>().row(), 0);
    EXPECT_EQ(changed[1][0].value<QModelIndex>().row(), 2);
    const QImage shown = model.data(first, Qt::DecorationRole)
                             .value<QIcon>()
                             .pixmap(QSize(106, 80))
                             .toImage()
                             .convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown.pixelColor(50, 40), QColor(Qt::green));
    EXPECT_TRUE(model.WaitsForThumbs());
    model.SetThumb(pending + 1, Thumb(Qt::green));
    EXPECT_FALSE(model.WaitsForThumbs());
}

TEST_F(RowsModelTest, ASnapshotCellFollowsItsInspectionsPaletteAndRange)
{
    QTemporaryDir folder;
    const QString path = WriteSnapshot(QDir(folder.path()), "s.qvx");
    model.AppendRows({{path, model.AppendThumb(Thumb(Qt::red))}});
    const auto shown = [this] {
        return model.data(model.index(0, 0), Qt::DecorationRole)
            .value<QIcon>()
            .pixmap(QSize(106, 80))
            .toImage()
            .convertToFormat(QImage::Format_RGB32)
            .pixelColor(30, 50);
    };
    EXPECT_EQ(shown(), QColor(Qt::red)) << "the camera's own thumbnail";
    MeasurementSettings& settings = project.SelectionAt(0)->measurement;
    settings.palette = PaletteKind::Grey;
    const QColor grey = shown();
    EXPECT_TRUE(grey.red() == grey.green() && grey.green() == grey.blue() && grey != QColor(Qt::black));
    // A range far above the scene: its lowest colour everywhere.
    settings.manualRange = ManualColourRange {1000.0f, 1100.0f};
    EXPECT_EQ(shown(), QColor(Qt::black));
    settings = {};
    EXPECT_EQ(shown(), QColor(Qt::red));
}

TEST_F(RowsModelTest, AFileThatCannotBeShownTakesItsRowsOrPairingsAway)
{
    const int snapshot = model.ReserveThumbs(1);
    AddRows({"a"});
    model.AppendRows({{"/s/broken.qvx", snapshot}});
    AddRows({"b"});
    project.DetailsAt(2)->name = "b's";
    const std::vector<FolderFile> images = Images({"x"});
    const FolderFile broken {"/i/broken.jpg", model.ReserveThumbs(1)};
    model.SetRowImage(0, broken);
    model.SetRowImage(2, images[0]);

    EXPECT_FALSE(model.DropFile(-1));
    EXPECT_TRUE(model.DropFile(snapshot));
    ASSERT_EQ(model.rowCount(), 2);
    EXPECT_EQ(project.Details().Count(), 2);
    EXPECT_EQ(project.DetailsAt(1)->name, "b's");
    EXPECT_TRUE(model.DropFile(broken.thumb));
    EXPECT_EQ(Paired(), QStringList({"-", "x"}));
    EXPECT_EQ(model.ThumbIndex(0, InspectionRowsModel::ImageColumn), -1);
    EXPECT_FALSE(model.DropFile(broken.thumb));
}

TEST_F(RowsModelTest, PairAllGoesByNameThenInOrderFromTheUnpairedEnd)
{
    AddRows({"connector-lug", "fuse-holder", "wall", "steam-valve", "pump"});
    const std::vector<FolderFile> images = Images({"steam-valve", "photo1", "connector-lug", "photo2"});
    EXPECT_TRUE(model.PairFromTop());
    const int selected = model.PairAll(images);
    EXPECT_EQ(Paired(), QStringList({"connector-lug", "photo1", "photo2", "steam-valve", "-"}));
    EXPECT_EQ(selected, 4) << "the row after the last one paired";
    EXPECT_FALSE(model.PairFromTop());
    EXPECT_EQ(model.ThumbIndex(0, InspectionRowsModel::ImageColumn), images[2].thumb);

    // Not from the top: only the unpaired rows at the end take part.
    AddRows({"photo2"});
    EXPECT_EQ(model.PairAll(images), 5);
    EXPECT_EQ(Paired(), QStringList({"connector-lug", "photo1", "photo2", "steam-valve", "steam-valve", "photo2"}));
    EXPECT_EQ(model.PairAll(images), -1) << "the last row has an image";

    model.UnpairAll();
    EXPECT_TRUE(model.PairFromTop());
    EXPECT_EQ(Paired(), QStringList({"-", "-", "-", "-", "-", "-"}));
    EXPECT_EQ(model.PairAll({}), 0) << "no images: the first row is selected";
}

} // namespace
