#include "ReportFixture.h"

#include "snapshot/ColourValue.h"
#include "snapshot/MeasuredSnapshot.h"
#include "snapshot/cQVX.h"

#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

class MeasurementReport : public testing::Test
{
protected:
    // Inspection 1 corrected to emissivity 0.50 and 30 °C reflected, one spot after the
    // snapshot's two markers chosen as cursor 2, and two boxes.
    ReportProject Corrected(const QString& snapshot)
    {
        ReportProject project = files.Project(1, snapshot);
        MeasurementSettings& settings = project.SelectionAt(0)->measurement;
        settings.emissivity = 0.5f;
        settings.reflectedKelvin = 303.15f;
        settings.spots = {{100, 20}};
        settings.boxes = {QRect(20, 30, 40, 50), QRect(100, 60, 30, 30)};
        project.DetailsAt(0)->cursorB = 3;
        return project;
    }

    static QString Tenths(float value) { return QString::number(double(value), 'f', 1); }

    static QByteArray WithoutCreationDate(const QString& path)
    {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        QByteArray bytes = file.readAll();
        const QRegularExpression date(QStringLiteral("/CreationDate \\([^)]*\\)"));
        return QString::fromLatin1(bytes).remove(date).toLatin1();
    }

    ReportFixture files;
};

TEST_F(MeasurementReport, PrintsTheCorrectedParametersCursorsAndBoxes)
{
    const QString snapshotPath = files.WriteSnapshot(QStringLiteral("a.qvx"));
    const ReportProject project = Corrected(snapshotPath);
    const QString path = files.WriteReport(QStringLiteral("corrected.pdf"), project);
    ASSERT_FALSE(path.isEmpty());
    const QString page = Simplified(ReadPdf(path).pageTexts.value(2));

    cQVX snapshot;
    ASSERT_TRUE(LoadMeasuredSnapshot(snapshot, snapshotPath, project.SelectionAt(0)->measurement));
    snapshot.unitCode = snapshot.celsiusCode;
    const MeasurementSettings& settings = project.SelectionAt(0)->measurement;
    EXPECT_TRUE(page.contains(QStringLiteral("Emissivity 0.50"))) << page.toStdString();
    EXPECT_TRUE(page.contains(QStringLiteral("Reflected Temp. 30.0 °C")));
    const QString cursor1 = Tenths(snapshot.MarkerTemperature(0));
    const QString cursor3 = Tenths(SpotTemperature(snapshot, {100, 20}));
    EXPECT_TRUE(page.contains(QStringLiteral("Cursor 1 %1 °C").arg(cursor1)));
    EXPECT_TRUE(page.contains(QStringLiteral("Cursor 3 %1 °C").arg(cursor3)));
    EXPECT_TRUE(page.contains(QStringLiteral("Max / Min / Avg")));
    for (int index = 0; index < 2; ++index) {
        const auto box = MeasureBox(snapshot, settings.boxes[std::size_t(index)]);
        ASSERT_TRUE(box);
        const QString row = QStringLiteral("Box %1 %2 / %3 / %4 °C")
                                .arg(index + 1)
                                .arg(Tenths(box->maximum), Tenths(box->minimum), Tenths(box->average));
        EXPECT_TRUE(page.contains(row)) << row.toStdString();
    }

    // The camera's emissivity (0.95) reads differently: the correction reached the numbers.
    cQVX camera;
    ASSERT_TRUE(LoadMeasuredSnapshot(camera, snapshotPath, {}));
    camera.unitCode = camera.celsiusCode;
    EXPECT_NE(Tenths(camera.MarkerTemperature(0)), cursor1);
}

TEST_F(MeasurementReport, DrawsTheBoxesOnTheThermalPicture)
{
    const QString snapshotPath = files.WriteSnapshot(QStringLiteral("a.qvx"));
    const QString path = files.WriteReport(QStringLiteral("boxes.pdf"), Corrected(snapshotPath));
    const QImage page = RenderPdfPage(path, 3, 300);
    ASSERT_FALSE(page.isNull());
    // Box 1's left edge: shown x 20 is strip x 32 of the 261-wide thermal half, scaled 3.5
    // times from page x 326; its middle, shown y 55, is strip y 91.
    const QRgb line = QColorFromColourValue(BoxColours(0).line).rgb();
    const QPoint edge(326 + 32 * 35 / 10 + 2, 1200 + 91 * 35 / 10);
    const auto near = [](QRgb a, QRgb b) {
        return std::abs(qRed(a) - qRed(b)) < 40 && std::abs(qGreen(a) - qGreen(b)) < 40 &&
            std::abs(qBlue(a) - qBlue(b)) < 40;
    };
    EXPECT_TRUE(near(page.pixel(edge), line)) << std::hex << page.pixel(edge);
    EXPECT_FALSE(near(page.pixel(edge + QPoint(40, 0)), line));

    const QString plain = files.WriteReport(QStringLiteral("plain.pdf"), files.Project(1, snapshotPath));
    EXPECT_FALSE(near(RenderPdfPage(plain, 3, 300).pixel(edge), line));
}

TEST_F(MeasurementReport, SettingsThatRepeatTheCamerasValuesChangeNoByte)
{
    const QString snapshotPath = files.WriteSnapshot(QStringLiteral("a.qvx"));
    ReportProject project = files.Project(2, snapshotPath);
    // One file name for every report, since the document is named after its file.
    const auto written = [this](const ReportProject& report) {
        return WithoutCreationDate(files.WriteReport(QStringLiteral("report.pdf"), report));
    };
    const QByteArray plain = written(project);
    ASSERT_FALSE(plain.isEmpty());
    // The fixture's camera: emissivity 0.95, 20 °C reflected, ironbow.
    MeasurementSettings& settings = project.SelectionAt(1)->measurement;
    settings.emissivity = 0.95f;
    settings.reflectedKelvin = 293.15f;
    settings.palette = PaletteKind::Ironbow;
    EXPECT_EQ(written(project), plain);

    settings.palette = PaletteKind::Grey;
    EXPECT_NE(written(project), plain);
}

} // namespace
