#include "tests/support/SnapshotTestFiles.h"

#include "snapshot/ColourValue.h"
#include "snapshot/MeasuredSnapshot.h"
#include "snapshot/SnapshotUnit.h"

#include <gtest/gtest.h>

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// The camera's signal curve and its inverse, written out here so the core is checked against a
// second derivation rather than against itself.
double Signal(double celsius)
{
    return celsius > 280.0 ? 0.00265579 * celsius * celsius + 5.8462 * celsius - 640.995
                           : 0.00962738 * celsius * celsius + 1.5018 * celsius + 74.2233;
}

double CelsiusOf(double signal)
{
    return signal > 1249.513892 ? (std::sqrt(signal + 3858.31) * 0.103069 - 5.8462) * 188.268
                                : (std::sqrt(std::max(signal - 15.6555, 0.0)) * 0.196238 - 1.5018) * 51.9352;
}

double Expected(double apparentCelsius, double emissivity, double reflectedKelvin, TemperatureUnit unit)
{
    const double reflectedCelsius = reflectedKelvin - 273.15;
    const double celsius =
        CelsiusOf((Signal(apparentCelsius) - (1.0 - emissivity) * Signal(reflectedCelsius)) / emissivity);
    switch (unit) {
    case TemperatureUnit::Kelvin:
        return celsius + 273.15;
    case TemperatureUnit::Fahrenheit:
        return celsius * 1.8 + 32.0;
    case TemperatureUnit::Celsius:
        break;
    }
    return celsius;
}

// Eight bands of 20 columns, each of one raw value (hundredths of a degree).
constexpr qint32 BandValues[] = {-1500, 0, 1500, 2500, 5000, 9000, 20000, 30000};

qint32 BandValue(int column)
{
    return BandValues[column / 20];
}

void LoadBands(cQVX& snapshot, SnapshotFileFields fields = {})
{
    fields.pixelStream = EncodePixelStream(ImageOf([](int, int column) { return BandValue(column); }));
    fields.markers = {{150, 60, 100}};
    ASSERT_TRUE(LoadAndDecode(snapshot, fields));
}

} // namespace

struct CorrectionCase
{
    float emissivity;
    float reflectedKelvin;
    TemperatureUnit unit;
};

class MeasuredTemperatures : public testing::TestWithParam<CorrectionCase>
{
};

TEST_P(MeasuredTemperatures, FollowTheCorrectedRadianceInversion)
{
    const CorrectionCase correction = GetParam();
    cQVX snapshot;
    LoadBands(snapshot);
    MeasurementSettings settings;
    settings.emissivity = correction.emissivity;
    settings.reflectedKelvin = correction.reflectedKelvin;
    ApplyCorrection(snapshot, settings);
    snapshot.unitCode = SnapshotUnitCode(snapshot, correction.unit);

    const double emissivity = std::round(correction.emissivity * 100.0) / 100.0;
    const double reflected = std::round((correction.reflectedKelvin - 273.15) * 100.0) / 100.0 + 273.15;
    for (int band = 0; band < 8; ++band) {
        const double expected = Expected(BandValues[band] / 100.0, emissivity, reflected, correction.unit);
        // The middle of a band, away from the columns smoothing mixes with a neighbour.
        const QPoint shown(band * 20 + 10, 60);
        EXPECT_NEAR(SpotTemperature(snapshot, shown), expected, 2e-3 * std::max(1.0, std::abs(expected)) / 100.0)
            << "band " << band;
        const auto box = MeasureBox(snapshot, QRect(band * 20 + 5, 10, 10, 100));
        ASSERT_TRUE(box);
        EXPECT_NEAR(box->average, expected, 1e-3 + std::abs(expected) * 1e-6);
    }
    // The camera's marker at x 150 shows 9 pixels from the left, in the first band.
    EXPECT_FLOAT_EQ(snapshot.MarkerTemperature(0), SpotTemperature(snapshot, {9, 60}));
}

INSTANTIATE_TEST_SUITE_P(Corrections,
                         MeasuredTemperatures,
                         testing::Values(CorrectionCase {1.00f, 293.15f, TemperatureUnit::Celsius},
                                         CorrectionCase {0.95f, 293.15f, TemperatureUnit::Celsius},
                                         CorrectionCase {0.10f, 303.15f, TemperatureUnit::Fahrenheit},
                                         CorrectionCase {0.50f, 253.15f, TemperatureUnit::Kelvin},
                                         CorrectionCase {0.83f, 373.15f, TemperatureUnit::Fahrenheit},
                                         CorrectionCase {0.01f, 203.15f, TemperatureUnit::Kelvin}));

TEST(ApplyCorrection, StoresWholePercentAndHundredthsOfADegree)
{
    cQVX snapshot;
    LoadBands(snapshot);
    ApplyCorrection(snapshot, {});
    EXPECT_EQ(snapshot.emissivity, 95);
    EXPECT_EQ(snapshot.reflectedTemp, 2000);

    MeasurementSettings settings;
    settings.emissivity = 0.29f; // 28.999999 in single precision times 100
    settings.reflectedKelvin = 250.0f;
    settings.palette = PaletteKind::Rainbow;
    ApplyCorrection(snapshot, settings);
    EXPECT_EQ(snapshot.emissivity, 29);
    EXPECT_EQ(snapshot.reflectedTemp, -2315);
    EXPECT_EQ(PaletteKindFor(snapshot), PaletteKind::Rainbow);

    settings.reflectedKelvin = 5000.0f;
    settings.emissivity = 0.0f;
    ApplyCorrection(snapshot, settings);
    EXPECT_EQ(snapshot.reflectedTemp, 32767);
    EXPECT_EQ(snapshot.emissivity, 1);
}

TEST(MeasureBox, ClipsToThePictureAndFindsTheHottestAsShown)
{
    cQVX snapshot;
    SnapshotFileFields fields;
    // A single hot column: raw column 100 shows 100 pixels from the left.
    fields.pixelStream = EncodePixelStream(ImageOf([](int row, int column) {
        return column == 100 && row == 30 ? 9000 : column < 80 ? 1000 : 3000;
    }));
    ASSERT_TRUE(LoadAndDecode(snapshot, fields));
    snapshot.unitCode = snapshot.celsiusCode;

    EXPECT_FALSE(MeasureBox(snapshot, QRect(160, 0, 5, 5)));
    EXPECT_FALSE(MeasureBox(snapshot, QRect(10, 10, 0, 5)));
    const auto whole = MeasureBox(snapshot, QRect(-20, -20, 400, 400));
    ASSERT_TRUE(whole);
    EXPECT_EQ(whole->hottest, QPoint(100, 119 - 30));
    EXPECT_NEAR(whole->maximum, Expected(90.0, 0.95, 293.15, TemperatureUnit::Celsius), 1e-3);
    EXPECT_NEAR(whole->minimum, Expected(10.0, 0.95, 293.15, TemperatureUnit::Celsius), 1e-3);

    // Across the step the mean of the temperatures differs from the temperature of the mean.
    const auto step = MeasureBox(snapshot, QRect(70, 0, 20, 10));
    ASSERT_TRUE(step);
    const double cold = Expected(10.0, 0.95, 293.15, TemperatureUnit::Celsius);
    const double warm = Expected(30.0, 0.95, 293.15, TemperatureUnit::Celsius);
    EXPECT_NEAR(step->average, (cold + warm) / 2.0, 1e-4);
    EXPECT_GT(std::abs(step->average - Expected(20.0, 0.95, 293.15, TemperatureUnit::Celsius)), 0.01);
}

TEST(SpotTemperature, ReadsNothingOutsideThePictureOrBeforeDecoding)
{
    cQVX snapshot;
    EXPECT_EQ(SpotTemperature(snapshot, {5, 5}), 0.0f);
    EXPECT_FALSE(MeasureBox(snapshot, QRect(0, 0, 10, 10)));
    LoadBands(snapshot);
    EXPECT_EQ(SpotTemperature(snapshot, {160, 5}), 0.0f);
    EXPECT_EQ(SpotTemperature(snapshot, {5, -1}), 0.0f);
}

TEST(MeasurementLimits, AcceptOnlyValuesTheFileAndPictureCanHold)
{
    EXPECT_TRUE(IsWithinLimits({}));
    const auto with = [](auto change) {
        MeasurementSettings settings;
        change(settings);
        return IsWithinLimits(settings);
    };
    EXPECT_TRUE(with([](auto& s) { s.emissivity = 0.01f; }));
    EXPECT_TRUE(with([](auto& s) { s.emissivity = 1.0f; }));
    EXPECT_TRUE(with([](auto& s) { s.emissivity = 0.95f; }));
    EXPECT_FALSE(with([](auto& s) { s.emissivity = 0.0f; }));
    EXPECT_FALSE(with([](auto& s) { s.emissivity = 1.01f; }));
    EXPECT_FALSE(with([](auto& s) { s.emissivity = 0.955f; }));
    EXPECT_FALSE(with([](auto& s) { s.emissivity = NAN; }));
    EXPECT_TRUE(with([](auto& s) { s.reflectedKelvin = 293.15f; }));
    EXPECT_FALSE(with([](auto& s) { s.reflectedKelvin = 150.0f; }));
    EXPECT_FALSE(with([](auto& s) { s.reflectedKelvin = INFINITY; }));
    EXPECT_FALSE(with([](auto& s) { s.palette = PaletteKind(4); }));
    EXPECT_TRUE(with([](auto& s) { s.manualRange = ManualColourRange {290.0f, 310.0f}; }));
    EXPECT_FALSE(with([](auto& s) { s.manualRange = ManualColourRange {310.0f, 290.0f}; }));
    EXPECT_FALSE(with([](auto& s) { s.manualRange = ManualColourRange {300.0f, 300.0f}; }));
    EXPECT_FALSE(with([](auto& s) { s.manualRange = ManualColourRange {100.0f, 300.0f}; }));
    EXPECT_TRUE(with([](auto& s) { s.spots = {{0, 0}, {159, 119}}; }));
    EXPECT_FALSE(with([](auto& s) { s.spots = {{160, 0}}; }));
    EXPECT_FALSE(with([](auto& s) { s.spots = {{0, -1}}; }));
    EXPECT_FALSE(with([](auto& s) { s.spots.assign(11, QPoint(1, 1)); }));
    EXPECT_TRUE(with([](auto& s) { s.boxes = {QRect(0, 0, 160, 120)}; }));
    EXPECT_FALSE(with([](auto& s) { s.boxes = {QRect(1, 0, 160, 120)}; }));
    EXPECT_FALSE(with([](auto& s) { s.boxes = {QRect(5, 5, 0, 3)}; }));
    EXPECT_FALSE(with([](auto& s) { s.boxes = {QRect(5, 5, 200, 3)}; }));
    EXPECT_FALSE(with([](auto& s) { s.boxes.assign(6, QRect(1, 1, 2, 2)); }));
}

TEST(MeasuredPicture, WithoutPaletteOrRangeIsThePlainPicture)
{
    cQVX plain;
    cQVX measured;
    LoadBands(plain);
    LoadBands(measured);
    MeasurementSettings settings;
    settings.emissivity = 0.5f;
    settings.spots = {{3, 3}};
    EXPECT_EQ(RenderMeasuredPicture(measured, settings), RenderPicture(plain));
}

TEST(MeasuredPicture, UsesTheChosenPaletteAndManualRange)
{
    cQVX snapshot;
    LoadBands(snapshot);
    snapshot.unitCode = snapshot.fahrenheitCode; // the range stays in kelvin whatever the unit
    MeasurementSettings settings;
    settings.emissivity = 1.0f;
    settings.palette = PaletteKind::Grey;
    // 15 °C to 50 °C: the 0 °C band is below, the 25 °C band inside, the 90 °C band above.
    const float low = float(Expected(15.0, 1.0, 293.15, TemperatureUnit::Kelvin));
    const float high = float(Expected(50.0, 1.0, 293.15, TemperatureUnit::Kelvin));
    settings.manualRange = ManualColourRange {low, high};
    const QImage picture = RenderMeasuredPicture(snapshot, settings);
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.pixel(30, 60), qRgb(0, 0, 0));
    EXPECT_EQ(picture.pixel(110, 60), qRgb(255, 255, 255));
    // 25 °C sits 10/35 of the way up the raw range 1500..5000 (entries truncate).
    const int entry = int((2500.0 - 1500.0) * 255.0 / 3500.0);
    EXPECT_NEAR(qRed(picture.pixel(70, 60)), entry, 1);
    EXPECT_EQ(qRed(picture.pixel(70, 60)), qBlue(picture.pixel(70, 60)));

    double rawLow = 0;
    double rawHigh = 0;
    MeasuredColourRange(snapshot, settings, rawLow, rawHigh);
    EXPECT_NEAR(rawLow, 1500.0, 0.01);
    EXPECT_NEAR(rawHigh, 5000.0, 0.01);
    EXPECT_EQ(snapshot.unitCode, snapshot.fahrenheitCode);

    cQVX rainbow;
    LoadBands(rainbow);
    settings.palette = PaletteKind::Rainbow;
    const QImage coloured = RenderMeasuredPicture(rainbow, settings);
    const auto palette = MakePalette(PaletteKind::Rainbow);
    EXPECT_EQ(coloured.pixel(110, 60), qRgb(palette->Red(255), palette->Green(255), palette->Blue(255)));
}

TEST(MeasuredCursors, SpotsAreNumberedAfterTheCamerasMarkers)
{
    cQVX snapshot;
    LoadBands(snapshot); // one marker
    MeasurementSettings settings;
    settings.spots = {{70, 30}, {150, 100}};
    ApplyCorrection(snapshot, settings);
    EXPECT_EQ(CursorCount(snapshot, settings), 3);
    EXPECT_EQ(CursorTemperature(snapshot, settings, 1), snapshot.MarkerTemperature(0));
    EXPECT_EQ(CursorTemperature(snapshot, settings, 2), SpotTemperature(snapshot, {70, 30}));
    EXPECT_EQ(CursorTemperature(snapshot, settings, 3), SpotTemperature(snapshot, {150, 100}));
    EXPECT_NE(CursorTemperature(snapshot, settings, 2), CursorTemperature(snapshot, settings, 3));
    EXPECT_EQ(CursorTemperature(snapshot, settings, 0), 0.0f);
    EXPECT_EQ(CursorTemperature(snapshot, settings, 4), 0.0f);

    // Spot 2 is cursor 3 and takes the third marker colour, centred on its pixel.
    QImage picture(cQVX::Width, cQVX::Height, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    DrawCursor(&painter, picture.rect(), snapshot, settings, 3);
    DrawCursor(&painter, picture.rect(), snapshot, settings, 4);
    painter.end();
    EXPECT_EQ(picture.pixel(150, 100), QColorFromColourValue(MarkerColours(2).line).rgb());
    EXPECT_EQ(picture.pixel(70, 30), qRgb(255, 255, 255));
}

TEST(MeasuredBoxes, AreOutlinedWithTheirHottestPixelCrossed)
{
    cQVX snapshot;
    SnapshotFileFields fields;
    fields.pixelStream = EncodePixelStream(ImageOf([](int row, int column) { return column * 10 + row; }));
    ASSERT_TRUE(LoadAndDecode(snapshot, fields));
    MeasurementSettings settings;
    settings.boxes = {QRect(20, 30, 40, 50)};
    QImage picture(cQVX::Width * 2, cQVX::Height * 2, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    DrawSpotsAndBoxes(&painter, picture.rect(), snapshot, settings);
    painter.end();
    const QRgb line = QColorFromColourValue(BoxColours(0).line).rgb();
    const QRgb frame = QColorFromColourValue(BoxColours(0).frame).rgb();
    // Twice the picture's size: the box spans 40..120 x 60..160, its last line at 119 and 159.
    EXPECT_EQ(picture.pixel(40, 100), line);
    EXPECT_EQ(picture.pixel(119, 100), line);
    EXPECT_EQ(picture.pixel(80, 159), line);
    EXPECT_EQ(picture.pixel(39, 100), frame);
    EXPECT_EQ(picture.pixel(41, 100), frame);
    EXPECT_EQ(picture.pixel(80, 100), qRgb(255, 255, 255));
    // The hottest pixel is the box's right column (raw values rise to the right) at its top
    // row as shown (raw rows rise upwards): (59, 30), drawn at the middle of (118..119, 60..61).
    EXPECT_EQ(MeasureBox(snapshot, settings.boxes[0])->hottest, QPoint(59, 30));
    EXPECT_EQ(picture.pixel(117, 61), line);
}
