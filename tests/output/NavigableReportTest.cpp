#include "ReportFixture.h"

#include "output/PdfNavigation.h"
#include "output/PrintReport.h"

#include "snapshot/cQVX.h"
#include "tests/support/FailingDevice.h"

#include <QBuffer>
#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#ifdef Q_OS_LINUX
#include <sys/mount.h>
#endif

namespace {

// Left of the thermal picture, as tall as it with room for the end labels.
const QRect ScaleArea(0, 1140, 320, 820);

QStringList Lines(const QString& text)
{
    QStringList lines;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        if (!line.trimmed().isEmpty()) {
            lines << line.simplified();
        }
    }
    return lines;
}

QString Tenths(float value, const char* unit)
{
    return QString::number(double(value), 'f', 1) + QLatin1Char(' ') + QString::fromUtf8(unit);
}

// The temperatures of a snapshot file's own colour range, computed here from the file.
std::pair<float, float> OwnRange(const QString& path, TemperatureUnit unit)
{
    cQVX snapshot;
    EXPECT_TRUE(snapshot.Load(path) && snapshot.LoadPixels(cQVX::Width, cQVX::Height));
    snapshot.unitCode = unit == TemperatureUnit::Celsius ? snapshot.celsiusCode
        : unit == TemperatureUnit::Fahrenheit            ? snapshot.fahrenheitCode
                                                         : snapshot.kelvinCode;
    int low = snapshot.displayLow;
    int high = snapshot.displayHigh;
    if (low == 0 && high == 0) {
        snapshot.AutoDisplayRange(low, high);
    }
    const double emissivity = snapshot.emissivity / 100.0;
    return {float(snapshot.ToTemperature(low, emissivity)), float(snapshot.ToTemperature(high, emissivity))};
}

struct RecordedOutcome : ReportNotifications
{
    void FileSaved(const QString& path) override { saved = path; }
    void PrintFailed(int code, const QString& detail) override
    {
        errorCode = code;
        errorDetail = detail;
    }

    QString saved;
    int errorCode = 0;
    QString errorDetail;
};

// Records the pages reported and stops before `stopAt` (never with 0).
struct RecordedProgress : ReportProgress
{
    explicit RecordedProgress(int stopAt = 0)
        : stopAt(stopAt)
    { }

    bool StartingPage(int page, int total) override
    {
        pages.push_back({page, total});
        return page != stopAt;
    }

    int stopAt;
    std::vector<std::pair<int, int>> pages;
};

class NavigableReport : public testing::Test
{
protected:
    // The report and whatever was written beside it on its way.
    QStringList FilesLeft() const
    {
        return QDir(files.Folder()).entryList({QStringLiteral("r.pdf*")}, QDir::Files | QDir::Hidden);
    }

    QString ThreeSnapshotReport(bool commonScale, TemperatureUnit unit, QStringList& snapshots)
    {
        SnapshotFileFields cool;
        cool.emissivity = 95;
        SnapshotFileFields given;
        given.emissivity = 70;
        given.displayLow = 300;
        given.displayHigh = 520;
        SnapshotFileFields hot;
        hot.emissivity = 85;
        hot.paletteCode = 0;
        snapshots = {files.WriteSnapshotFile(QStringLiteral("cool.qvx"), cool),
                     files.WriteSnapshotFile(QStringLiteral("given.qvx"), given, 150),
                     files.WriteSnapshotFile(QStringLiteral("hot.qvx"), hot, 900)};
        ReportProject project = files.Project(3, snapshots[0]);
        for (int i = 0; i < 3; ++i) {
            project.SelectionAt(i)->snapshotPath = snapshots[i];
        }
        ReportOptions options;
        options.unit = unit;
        options.commonScale = commonScale;
        return files.WriteReport(
            commonScale ? QStringLiteral("common.pdf") : QStringLiteral("own.pdf"), project, options);
    }

    ReportFixture files;
};

TEST_F(NavigableReport, EveryPageHasItsOwnScaleOrAllShareTheExtremes)
{
    for (const auto& [unit, suffix] :
         {std::pair {TemperatureUnit::Celsius, "°C"}, {TemperatureUnit::Fahrenheit, "°F"}}) {
        QStringList snapshots;
        const QString own = ThreeSnapshotReport(false, unit, snapshots);
        const QString common = ThreeSnapshotReport(true, unit, snapshots);
        ASSERT_FALSE(own.isEmpty());
        ASSERT_FALSE(common.isEmpty());
        float lowest = std::numeric_limits<float>::max();
        float highest = std::numeric_limits<float>::lowest();
        for (int i = 0; i < 3; ++i) {
            const auto [low, high] = OwnRange(snapshots[i], unit);
            lowest = std::min(lowest, low);
            highest = std::max(highest, high);
            const QStringList scale = Lines(PdfTextIn(own, 3 + i, ScaleArea));
            ASSERT_GE(scale.size(), 2) << i;
            EXPECT_EQ(scale.first(), Tenths(high, suffix)) << i;
            EXPECT_EQ(scale.last(), Tenths(low, suffix)) << i;
        }
        for (int i = 0; i < 3; ++i) {
            const QStringList scale = Lines(PdfTextIn(common, 3 + i, ScaleArea));
            ASSERT_EQ(scale.size(), 4) << i;
            EXPECT_EQ(scale.first(), Tenths(highest, suffix)) << i;
            EXPECT_EQ(scale.last(), Tenths(lowest, suffix)) << i;
            EXPECT_EQ(scale, Lines(PdfTextIn(common, 3, ScaleArea))) << "every page the same numbers";
        }
    }
}

TEST_F(NavigableReport, OneScaleThatIsEveryPicturesOwnChangesNoPixel)
{
    const QString snapshot = files.WriteSnapshot(QStringLiteral("a.qvx"));
    const ReportProject project = files.Project(2, snapshot);
    ReportOptions options;
    const QString own = files.WriteReport(QStringLiteral("own.pdf"), project, options);
    options.commonScale = true;
    const QString common = files.WriteReport(QStringLiteral("common.pdf"), project, options);
    const QImage before = RenderPdfPage(own, 3, 100);
    ASSERT_FALSE(before.isNull());
    EXPECT_EQ(RenderPdfPage(common, 3, 100), before);
}

TEST_F(NavigableReport, ScaleBarShowsThePalettesEndsBesideThePicture)
{
    SnapshotFileFields grey;
    grey.paletteCode = 0;
    const QString path = files.WriteReport(QStringLiteral("r.pdf"),
                                           files.Project(1, files.WriteSnapshotFile(QStringLiteral("g.qvx"), grey)));
    const QImage page = RenderPdfPage(path, 3, 100);
    // The bar is page x 286..316 from y 1200 to 1900: at 100 dpi a third of that.
    EXPECT_GT(qGray(page.pixel(100, 405)), 245) << "white at the top";
    EXPECT_LT(qGray(page.pixel(100, 630)), 8) << "black at the bottom";
    EXPECT_EQ(qGray(page.pixel(100, 385)), 255) << "nothing above the picture";
}

struct NavigationCase
{
    int inspections;
    int contentsPages;
};

class NavigationOfReports : public NavigableReport, public testing::WithParamInterface<NavigationCase>
{
};

TEST_P(NavigationOfReports, OutlineAndContentsLinksOpenTheirPages)
{
    const auto [inspections, contentsPages] = GetParam();
    ReportProject project = files.Project(inspections, files.WriteSnapshot(QStringLiteral("a.qvx")));
    project.DetailsAt(0)->name.clear();
    const QString path = files.WriteReport(QStringLiteral("site.pdf"), project);
    ASSERT_FALSE(path.isEmpty());
    const PdfNavigationFacts navigation = ReadNavigation(path);
    EXPECT_EQ(navigation.pageMode, QStringLiteral("/UseOutlines"));

    std::vector<std::pair<QString, int>> expected = {{QStringLiteral("Title Page"), 1},
                                                     {QStringLiteral("Contents"), 2}};
    expected.push_back({QStringLiteral("Inspection 1"), contentsPages + 2});
    for (int i = 1; i < inspections; ++i) {
        expected.push_back({QStringLiteral("Inspection %1 - Item %1").arg(i + 1), i + contentsPages + 2});
    }
    const int summaryPage = inspections + contentsPages + 2;
    expected.push_back({QStringLiteral("Summary"), summaryPage});
    std::vector<std::pair<QString, int>> outline;
    for (const PdfOutlineItem& item : navigation.outline) {
        outline.push_back({item.title, item.page});
    }
    EXPECT_EQ(outline, expected);

    // Each link covers one contents line: its text ends in the page number it leads to.
    ASSERT_EQ(navigation.links.size(), std::size_t(inspections + 1));
    for (const PdfLink& link : navigation.links) {
        EXPECT_GE(link.page, 2);
        EXPECT_LE(link.page, contentsPages + 1);
        const double unitsPerPoint = 300.0 / 72.0;
        const QRect area(int(std::lround(link.area.left() * unitsPerPoint)),
                         int(std::lround((842.0 - link.area.bottom()) * unitsPerPoint)),
                         int(std::lround(link.area.width() * unitsPerPoint)),
                         int(std::lround(link.area.height() * unitsPerPoint)));
        const QString line = Simplified(PdfTextIn(path, link.page, area));
        EXPECT_TRUE(line.endsWith(QStringLiteral(" %1").arg(link.target))) << line.toStdString();
        EXPECT_TRUE(line.startsWith(QStringLiteral("Inspection")) || line.startsWith(QStringLiteral("Summary")))
            << line.toStdString();
    }
    EXPECT_EQ(navigation.links.back().target, summaryPage);
}

INSTANTIATE_TEST_SUITE_P(ContentsPages,
                         NavigationOfReports,
                         testing::Values(NavigationCase {2, 1}, NavigationCase {40, 2}));

TEST_F(NavigableReport, DocumentInformationNamesTheReport)
{
    ReportProject project = files.Project(1, files.WriteSnapshot(QStringLiteral("a.qvx")));
    const PdfFacts pdf = ReadPdf(files.WriteReport(QStringLiteral("site.pdf"), project, {ReportTemplate::Buildings}));
    EXPECT_EQ(pdf.title, QStringLiteral("site.pdf"));
    EXPECT_EQ(pdf.author, QStringLiteral("Jane Doe"));
    EXPECT_EQ(pdf.subject, QStringLiteral("Building Inspection Report"));
    EXPECT_EQ(pdf.keywords, QStringLiteral("Acme Thermal"));
    EXPECT_EQ(pdf.creator, QStringLiteral("thermreport 1.1.0.1"));
}

TEST_F(NavigableReport, ProgressCountsEveryPageAndACancelLeavesTheOldReport)
{
    const ReportProject project = files.Project(2, files.WriteSnapshot(QStringLiteral("a.qvx")));
    RecordedProgress progress;
    RecordedOutcome done;
    ASSERT_TRUE(PrintReport(files.Folder(), QStringLiteral("r.pdf"), project, {}, done, &progress));
    const std::vector<std::pair<int, int>> all = {{1, 5}, {2, 5}, {3, 5}, {4, 5}, {5, 5}};
    EXPECT_EQ(progress.pages, all);

    const QByteArray previous = "the report of last week";
    files.WriteFile(QStringLiteral("r.pdf"), previous);
    RecordedProgress stopping(3);
    RecordedOutcome cancelled;
    EXPECT_FALSE(PrintReport(files.Folder(), QStringLiteral("r.pdf"), project, {}, cancelled, &stopping));
    EXPECT_EQ(stopping.pages.size(), 3u) << "stopped before the third page";
    EXPECT_EQ(cancelled.errorCode, int(PrintError::Cancelled));
    EXPECT_TRUE(cancelled.saved.isEmpty());
    QFile kept(files.PathOf(QStringLiteral("r.pdf")));
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), previous);
    EXPECT_EQ(FilesLeft(), QStringList {QStringLiteral("r.pdf")});
}

TEST_F(NavigableReport, AFailingWriteOfTheNavigableReportFailsAndLeavesNoFile)
{
    const ReportProject project = files.Project(1, files.WriteSnapshot(QStringLiteral("a.qvx")));
    QBuffer whole;
    whole.open(QIODevice::WriteOnly);
    QString reason;
    ASSERT_EQ(WriteNavigableReport(whole, files.Folder(), QStringLiteral("r.pdf"), project, {}, nullptr, reason),
              ReportWrite::Written);
    for (const qint64 capacity : {qint64(0), qint64(1000), whole.size() - 10}) {
        FailingDevice device(capacity, FailingDevice::ShortWrite);
        reason.clear();
        EXPECT_EQ(WriteNavigableReport(device, files.Folder(), QStringLiteral("r.pdf"), project, {}, nullptr, reason),
                  ReportWrite::Failed)
            << capacity;
        EXPECT_FALSE(reason.isEmpty());
        EXPECT_TRUE(FilesLeft().isEmpty()) << FilesLeft().join(QLatin1Char(' ')).toStdString();
    }
}

TEST_F(NavigableReport, AFileThatIsNoPdfIsReportedAndNothingWritten)
{
    const QString notPdf = files.WriteFile(QStringLiteral("drawn.pdf"), "plain text, no PDF");
    QBuffer output;
    output.open(QIODevice::WriteOnly);
    EXPECT_FALSE(AddPdfNavigation(notPdf, output, {}).isEmpty());
    EXPECT_FALSE(AddPdfNavigation(files.PathOf(QStringLiteral("missing.pdf")), output, {}).isEmpty());
    EXPECT_EQ(output.size(), 0);
}

#ifdef Q_OS_LINUX
// A disk with room for the drawn pages but not for the navigable copy as well: the write
// after the PDF library's step fails. Needs the right to mount (tests run as root in CI).
TEST_F(NavigableReport, AFullDiskAfterTheLibraryStepKeepsTheOldReport)
{
    const ReportProject project = files.Project(1, files.WriteSnapshot(QStringLiteral("a.qvx")));
    const qint64 size = QFileInfo(files.WriteReport(QStringLiteral("probe.pdf"), project)).size();
    ASSERT_GT(size, 0);
    QTemporaryDir small;
    const QByteArray mountPoint = QFile::encodeName(small.path());
    const QByteArray options = "size=" + QByteArray::number((size * 3 / 2 / 4096 + 1) * 4096);
    if (mount("tmpfs", mountPoint.constData(), "tmpfs", 0, options.constData()) != 0) {
        GTEST_SKIP() << "cannot mount a small file system here";
    }
    const QString target = QDir(small.path()).filePath(QStringLiteral("r.pdf"));
    {
        QFile previous(target);
        ASSERT_TRUE(previous.open(QIODevice::WriteOnly));
        previous.write("previous");
    }
    RecordedOutcome outcome;
    EXPECT_FALSE(PrintReport(small.path(), QStringLiteral("r.pdf"), project, {}, outcome));
    EXPECT_EQ(outcome.errorCode, int(PrintError::SaveFailed));
    EXPECT_TRUE(outcome.errorDetail.startsWith(target)) << outcome.errorDetail.toStdString();
    QFile kept(target);
    EXPECT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray("previous"));
    EXPECT_EQ(QDir(small.path()).entryList(QDir::Files | QDir::Hidden), QStringList {QStringLiteral("r.pdf")});
    umount2(mountPoint.constData(), MNT_DETACH);
}
#endif

} // namespace
