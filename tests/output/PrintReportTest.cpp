#include "ReportFixture.h"

#include "output/PrintReport.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPdfWriter>

#include <gtest/gtest.h>

namespace {

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

// Accepts a number of bytes, then refuses every write.
class FailingDevice : public QIODevice
{
public:
    explicit FailingDevice(qint64 capacity)
        : capacity(capacity)
    {
        open(QIODevice::WriteOnly);
    }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64 size) override
    {
        if (size > capacity) {
            return -1;
        }
        capacity -= size;
        return size;
    }

private:
    qint64 capacity;
};

bool IsColour(QRgb pixel, QRgb expected, int tolerance = 40)
{
    return std::abs(qRed(pixel) - qRed(expected)) <= tolerance &&
        std::abs(qGreen(pixel) - qGreen(expected)) <= tolerance &&
        std::abs(qBlue(pixel) - qBlue(expected)) <= tolerance;
}

// Page positions in pixels of a page rendered at 30 dpi (a tenth of the page units).
QPoint At30Dpi(int x, int y)
{
    return QPoint(x / 10, y / 10);
}

const QPoint ThermalCentre = At30Dpi(326 + 456, 1550);
const QPoint VisualCentre = At30Dpi(326 + 913 + 456, 1550);

class PrintReportRuns : public testing::Test
{
protected:
    ReportFixture files;
};

TEST_F(PrintReportRuns, SnapshotThatCannotBeReadStillGetsItsWholePage)
{
    ReportProject project = files.Project(2, files.WriteSnapshot(QStringLiteral("a.qvx")));
    project.SelectionAt(0)->snapshotPath = files.PathOf(QStringLiteral("missing.qvx"));
    const QString path = files.WriteReport(QStringLiteral("r.pdf"), project);
    ASSERT_FALSE(path.isEmpty());
    const PdfFacts pdf = ReadPdf(path);
    ASSERT_EQ(pdf.pages, 5);
    const QString broken = Simplified(pdf.pageTexts[2]);
    EXPECT_TRUE(broken.startsWith(QStringLiteral("Inspection 1 - Item 1")));
    EXPECT_TRUE(broken.contains(QStringLiteral("Could not open QVX")));
    EXPECT_TRUE(broken.contains(QStringLiteral("Fault / Recommended Action")));
    EXPECT_TRUE(broken.contains(QStringLiteral("Page 3 of 5")));
    EXPECT_FALSE(broken.contains(QStringLiteral("Cursor 1"))) << "no temperatures without a snapshot";
    EXPECT_TRUE(Simplified(pdf.pageTexts[3]).contains(QStringLiteral("Page 4 of 5")));

    const QImage page = RenderPdfPage(path, 3, 30);
    EXPECT_TRUE(IsColour(page.pixel(ThermalCentre + QPoint(0, 20)), qRgb(255, 255, 255), 5));
    EXPECT_TRUE(IsColour(page.pixel(VisualCentre), qRgb(255, 255, 255), 5)) << "no photo: white";
    const QImage sound = RenderPdfPage(path, 4, 30);
    EXPECT_FALSE(IsColour(sound.pixel(ThermalCentre), qRgb(255, 255, 255), 5)) << "a picture is drawn";
}

TEST_F(PrintReportRuns, CursorBeyondTheSnapshotsMarkersCountsAsNone)
{
    ReportProject project = files.Project(1, files.WriteSnapshot(QStringLiteral("a.qvx")));
    project.DetailsAt(0)->cursorA = 5;
    project.DetailsAt(0)->cursorB = 2;
    const QString page = Simplified(ReadPdf(files.WriteReport(QStringLiteral("r.pdf"), project)).pageTexts[2]);
    EXPECT_FALSE(page.contains(QStringLiteral("Cursor 5")));
    EXPECT_TRUE(page.contains(QStringLiteral("Cursor 2 ")));
    EXPECT_FALSE(page.contains(QStringLiteral("Difference"))) << page.toStdString();
}

TEST_F(PrintReportRuns, PhotoThatDoesNotLoadLeavesItsHalfBlack)
{
    const QString snapshot = files.WriteSnapshot(QStringLiteral("a.qvx"));
    ReportProject project =
        files.Project(3, snapshot, files.WritePhoto(QStringLiteral("p.jpg"), {640, 480}, Qt::green));
    project.SelectionAt(1)->imagePath = files.PathOf(QStringLiteral("missing.jpg"));
    project.SelectionAt(2)->imagePath =
        files.WriteFile(QStringLiteral("bad.bmp"), QByteArray("BM\x10\0\0\0garbage", 13));
    const QString path = files.WriteReport(QStringLiteral("r.pdf"), project);
    ASSERT_FALSE(path.isEmpty());
    EXPECT_EQ(ReadPdf(path).pages, 6);
    EXPECT_TRUE(IsColour(RenderPdfPage(path, 3, 30).pixel(VisualCentre), qRgb(0, 255, 0)));
    EXPECT_TRUE(IsColour(RenderPdfPage(path, 4, 30).pixel(VisualCentre), qRgb(0, 0, 0), 5));
    EXPECT_TRUE(IsColour(RenderPdfPage(path, 5, 30).pixel(VisualCentre), qRgb(0, 0, 0), 5));
}

TEST_F(PrintReportRuns, StrokesCrossFromTheThermalIntoTheVisualHalf)
{
    ReportProject project = files.Project(1, files.WriteSnapshot(QStringLiteral("a.qvx")));
    const qint32 magenta = 0xFF00FF;
    project.SelectionAt(0)->strokes = {{250, 100, 300, 100, 3, magenta}};
    const QString path = files.WriteReport(QStringLiteral("r.pdf"), project);
    const QImage page = RenderPdfPage(path, 3, 100);
    // Strip x 250..300 is page x 1201..1376, a third of that at 100 dpi; the halves meet at 413.
    const int y = 1550 / 3;
    EXPECT_TRUE(IsColour(page.pixel(406, y), qRgb(255, 0, 255))) << "left of the boundary";
    EXPECT_TRUE(IsColour(page.pixel(440, y), qRgb(255, 0, 255))) << "right of the boundary";
    EXPECT_FALSE(IsColour(page.pixel(440, y + 15), qRgb(255, 0, 255)));
}

TEST_F(PrintReportRuns, LogoSitsAboveTheTitleAndAnUnreadableOneIsLeftOut)
{
    QImage logo(600, 300, QImage::Format_RGB32);
    logo.fill(Qt::blue);
    logo.setDotsPerMeterX(11811); // 300 dpi: 600 x 300 page units
    logo.setDotsPerMeterY(11811);
    const QString logoPath = files.PathOf(QStringLiteral("logo.png"));
    ASSERT_TRUE(logo.save(logoPath));
    ReportProject project = files.Project(1, files.WriteSnapshot(QStringLiteral("a.qvx")));
    project.title.logoPath = logoPath;
    const QString withLogo = files.WriteReport(QStringLiteral("logo.pdf"), project);
    const QImage page = RenderPdfPage(withLogo, 1, 30);
    EXPECT_TRUE(IsColour(page.pixel(At30Dpi(1240, 200)), qRgb(0, 0, 255), 5)) << "centred, from y = 50";
    EXPECT_TRUE(IsColour(page.pixel(At30Dpi(930, 200)), qRgb(255, 255, 255), 5)) << "600 wide at x = 940";
    EXPECT_TRUE(IsColour(page.pixel(At30Dpi(1240, 370)), qRgb(255, 255, 255), 5)) << "300 high";

    project.title.logoPath = files.WriteFile(QStringLiteral("logo.jpg"), "not a picture");
    const QString without = files.WriteReport(QStringLiteral("plain.pdf"), project);
    ASSERT_FALSE(without.isEmpty());
    const QImage plain = RenderPdfPage(without, 1, 30);
    EXPECT_TRUE(IsColour(plain.pixel(At30Dpi(1240, 200)), qRgb(255, 255, 255), 5));
    EXPECT_TRUE(Simplified(ReadPdf(without).pageTexts[0]).startsWith(QStringLiteral("Thermography Inspection Report")));
}

TEST_F(PrintReportRuns, UnwritableTargetReportsTheSaveErrorAndWritesNothing)
{
    const ReportProject project = files.Project(1, files.WriteSnapshot(QStringLiteral("a.qvx")));
    const QString notAFolder = files.WriteFile(QStringLiteral("plain-file"), "x");
    for (const QString& folder : {files.PathOf(QStringLiteral("no/such/folder")), notAFolder}) {
        RecordedOutcome outcome;
        EXPECT_FALSE(PrintReport(folder, QStringLiteral("r.pdf"), project, {}, outcome));
        EXPECT_EQ(outcome.errorCode, int(PrintError::SaveFailed));
        EXPECT_TRUE(outcome.errorDetail.contains(QStringLiteral("r.pdf"))) << outcome.errorDetail.toStdString();
        EXPECT_TRUE(outcome.saved.isEmpty());
        EXPECT_FALSE(QFile::exists(QDir(folder).filePath(QStringLiteral("r.pdf"))));
    }
}

TEST_F(PrintReportRuns, ReplacesAnExistingReportWholeAndLeavesNoTemporaryFile)
{
    const QString target = files.WriteFile(QStringLiteral("r.pdf"), QByteArray(5'000'000, 'x'));
    const ReportProject project = files.Project(1, files.WriteSnapshot(QStringLiteral("a.qvx")));
    RecordedOutcome outcome;
    ASSERT_TRUE(PrintReport(files.Folder(), QStringLiteral("r.pdf"), project, {}, outcome));
    EXPECT_EQ(outcome.saved, target);
    EXPECT_EQ(ReadPdf(target).pages, 4);
    EXPECT_LT(QFileInfo(target).size(), 5'000'000);
    EXPECT_EQ(QDir(files.Folder()).entryList({QStringLiteral("r.pdf*")}, QDir::Files),
              QStringList {QStringLiteral("r.pdf")});
}

TEST_F(PrintReportRuns, AWriteThatComesUpShortFailsTheReport)
{
    const ReportProject project = files.Project(1, files.WriteSnapshot(QStringLiteral("a.qvx")));
    QBuffer whole;
    whole.open(QIODevice::WriteOnly);
    ASSERT_TRUE(WriteReportPdf(whole, QStringLiteral("r.pdf"), project, {}));
    for (qint64 capacity : {qint64(0), qint64(1000), whole.size() - 10}) {
        FailingDevice device(capacity);
        EXPECT_FALSE(WriteReportPdf(device, QStringLiteral("r.pdf"), project, {})) << capacity;
    }
}

// PDF pages are whole points: A4 is written as 595 x 842 pt, so the page is 2479.2 units wide at
// 300 dpi; the layout's 2480th column (only a full-width logo reaches it) falls 0.08 mm short.
TEST(ReportWriter, PageIsTheLayoutsUnits)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    ConfigureReportWriter(writer, QStringLiteral("r.pdf"));
    QPainter painter(&writer);
    EXPECT_EQ(painter.device()->width(), 2479);
    EXPECT_EQ(painter.device()->height(), 3508);
    EXPECT_EQ(painter.device()->logicalDpiX(), 300);
    EXPECT_EQ(painter.device()->logicalDpiY(), 300);
}

TEST(PrintErrors, MessagesOfTheThreeCodes)
{
    EXPECT_EQ(PrintErrorMessage(1), QStringLiteral("PDF error saving temporary file on printer server"));
    EXPECT_EQ(PrintErrorMessage(3), QStringLiteral("Error saving PDF file"));
    EXPECT_EQ(PrintErrorMessage(4), QStringLiteral("PDF print job was cancelled"));
    EXPECT_EQ(PrintErrorMessage(5), QString());
    EXPECT_EQ(PrintErrorMessage(0), QString());
}

} // namespace
