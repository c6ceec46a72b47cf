#include "DetailsFixture.h"

#include "pages/colour/cColourEdit.h"
#include "pages/details/ImageArea.h"
#include "pages/details/MeasurementText.h"
#include "pages/details/TemperatureScaleView.h"
#include "report/ReportProject.h"
#include "snapshot/MeasuredSnapshot.h"
#include "snapshot/SnapshotUnit.h"
#include "snapshot/cQVX.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

namespace {

// The emissivity field shows the camera's percent as a fraction with two decimals.
QString TwoDecimals(quint8 percent)
{
    return QString::number(percent / 100.0, 'f', 2);
}

class DetailsMeasurementTools : public DetailsFixture
{
protected:
    // A page point over a pixel of the thermal picture as shown, clear of its edges.
    QPoint PagePoint(QPoint picture) const
    {
        return InsideToPage(QPointF((picture.x() + 0.25) * ImageArea::HalfWidth / cQVX::Width,
                                    (picture.y() + 0.25) * ImageArea::InsideHeight / cQVX::Height));
    }
    void Drag(QPoint from, QPoint to)
    {
        QTest::mousePress(page.get(), Qt::LeftButton, {}, PagePoint(from));
        QTest::mouseMove(page.get(), PagePoint((from + to) / 2));
        QTest::mouseMove(page.get(), PagePoint(to));
        QTest::mouseRelease(page.get(), Qt::LeftButton, {}, PagePoint(to));
    }
    void Click(QPoint at) { Drag(at, at); }
    void ChooseTool(const char* name) { Child<QToolButton>(name)->click(); }
    void SetField(const char* name, double value)
    {
        auto* field = Child<QDoubleSpinBox>(name);
        field->setValue(value);
        emit field->editingFinished();
    }
    const MeasurementSettings& Settings() { return document.Project().SelectionAt(0)->measurement; }
    void Undo() { Child<QPushButton>("undoButton")->click(); }

    // The snapshot as the core measures it with the inspection's settings, in the page's unit.
    std::unique_ptr<cQVX> Measured(TemperatureUnit unit = TemperatureUnit::Celsius)
    {
        auto snapshot = std::make_unique<cQVX>();
        EXPECT_TRUE(LoadMeasuredSnapshot(*snapshot, snapshotPath, Settings()));
        UseTemperatureUnit(*snapshot, unit);
        return snapshot;
    }
    QImage Inside() const
    {
        QImage inside(ImageArea::InsideWidth, ImageArea::InsideHeight, QImage::Format_RGB32);
        QPainter painter(&inside);
        Child<ImageArea>("imageArea")->PaintInside(painter);
        return inside;
    }

    QString snapshotPath;
};

TEST_F(DetailsMeasurementTools, EmissivityAndReflectedTemperatureCorrectEveryTemperatureOnThePage)
{
    snapshotPath = AddInspection(2);
    Open();
    const QString cameraEmissivity = TwoDecimals(Measured()->emissivity);
    EXPECT_EQ(EditText("emissivityEdit"), cameraEmissivity);
    EXPECT_FALSE(Child<QPushButton>("cameraValuesButton")->isEnabled());
    const QStringList cameraScale = Child<TemperatureScaleView>("temperatureScale")->Labels();

    struct Case
    {
        TemperatureUnit unit;
        double emissivity;
        double reflected; // in the page's unit
    };
    for (const Case& c : {Case {TemperatureUnit::Celsius, 0.85, 30.0},
                          Case {TemperatureUnit::Fahrenheit, 0.6, 50.0},
                          Case {TemperatureUnit::Kelvin, 0.7, 280.0}}) {
        Child<QComboBox>("unitList")->setCurrentIndex(int(c.unit));
        emit Child<QComboBox>("unitList")->activated(int(c.unit));
        SetField("emissivityEdit", c.emissivity);
        SetField("reflectedEdit", c.reflected);
        ASSERT_TRUE(Settings().emissivity);
        EXPECT_FLOAT_EQ(*Settings().emissivity, float(c.emissivity));
        EXPECT_NEAR(FromKelvin(*Settings().reflectedKelvin, c.unit), c.reflected, 1e-3);
        const auto measured = Measured(c.unit);
        EXPECT_EQ(EditText("cursorTempA"), TemperatureText(measured->MarkerTemperature(0), c.unit));
        EXPECT_EQ(EditText("cursorTempB"), TemperatureText(measured->MarkerTemperature(1), c.unit));
        EXPECT_EQ(EditText("differenceEdit"), DifferenceText(measured->MarkerDifference(0, 1), c.unit));
        EXPECT_NE(Child<TemperatureScaleView>("temperatureScale")->Labels(), cameraScale);
        // A cursor choice reads the snapshot again: the corrections still hold.
        emit Child<QComboBox>("cursorListB")->activated(1);
        EXPECT_EQ(EditText("cursorTempA"), TemperatureText(measured->MarkerTemperature(0), c.unit));
    }
    EXPECT_TRUE(document.IsModified());
    // Typing the camera's own emissivity back is no correction.
    SetField("emissivityEdit", cameraEmissivity.toDouble());
    EXPECT_FALSE(Settings().emissivity);

    // "Camera values" takes the corrections back; the camera's numbers return.
    Child<QComboBox>("unitList")->setCurrentIndex(0);
    emit Child<QComboBox>("unitList")->activated(0);
    Child<QPushButton>("cameraValuesButton")->click();
    EXPECT_FALSE(Settings().emissivity);
    EXPECT_FALSE(Settings().reflectedKelvin);
    EXPECT_EQ(EditText("emissivityEdit"), cameraEmissivity);
    EXPECT_EQ(EditText("cursorTempA"), TemperatureText(Measured()->MarkerTemperature(0), TemperatureUnit::Celsius));
    EXPECT_EQ(Child<TemperatureScaleView>("temperatureScale")->Labels(), cameraScale);
}

TEST_F(DetailsMeasurementTools, PaletteAndManualRangeRenderThePicture)
{
    snapshotPath = AddInspection(1);
    Open();
    auto* palettes = Child<QComboBox>("paletteList");
    palettes->setCurrentIndex(int(PaletteKind::Grey));
    emit palettes->activated(int(PaletteKind::Grey));
    ASSERT_EQ(Settings().palette, PaletteKind::Grey);
    // Grey everywhere on the thermal picture, where ironbow has no grey between its ends.
    const QImage inside = Inside();
    for (const QPoint at : {QPoint(30, 40), QPoint(130, 100), QPoint(250, 190)}) {
        const QColor shown = inside.pixelColor(at);
        EXPECT_TRUE(shown.red() == shown.green() && shown.green() == shown.blue()) << at.x();
    }

    // Manual starts from the automatic range; a range far above the scene renders it black.
    auto* ranges = Child<QComboBox>("rangeList");
    ranges->setCurrentIndex(1);
    emit ranges->activated(1);
    ASSERT_TRUE(Settings().manualRange);
    EXPECT_TRUE(Child<QDoubleSpinBox>("rangeLowEdit")->isEnabled());
    SetField("rangeHighEdit", 900.0);
    SetField("rangeLowEdit", 800.0);
    EXPECT_NEAR(Settings().manualRange->lowKelvin, 1073.15f, 0.01f);
    EXPECT_EQ(Inside().pixelColor(130, 100), QColor(Qt::black));
    EXPECT_EQ(Child<TemperatureScaleView>("temperatureScale")->Labels().first(), "800.0 \u00B0C");

    // A low end above the high end is refused with a message, and nothing changes.
    SetField("rangeLowEdit", 950.0);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "The low end of the colour range must lie below its high end.");
    EXPECT_NEAR(Settings().manualRange->lowKelvin, 1073.15f, 0.01f);
    EXPECT_EQ(EditText("rangeLowEdit"), "800.0 \u00B0C");

    ranges->setCurrentIndex(0);
    emit ranges->activated(0);
    EXPECT_FALSE(Settings().manualRange);
    EXPECT_FALSE(Child<QDoubleSpinBox>("rangeLowEdit")->isEnabled());
}

TEST_F(DetailsMeasurementTools, ToolsChooseWhatTheMouseDoes)
{
    snapshotPath = AddInspection(2);
    Open();
    EXPECT_TRUE(Child<QToolButton>("arrowTool")->isChecked());
    Drag({20, 20}, {60, 60});
    EXPECT_EQ(document.Project().SelectionAt(0)->strokes.size(), 1u);
    EXPECT_TRUE(Settings().spots.empty());

    // The keyboard reaches the tools too.
    QTest::keyClick(page.get(), Qt::Key_2, Qt::ControlModifier);
    EXPECT_TRUE(Child<QToolButton>("spotTool")->isChecked());
    Click({30, 40});
    Drag({30, 40}, {70, 80});
    EXPECT_EQ(Settings().spots, std::vector<QPoint>({{70, 80}}));
    EXPECT_EQ(document.Project().SelectionAt(0)->strokes.size(), 1u);

    QTest::keyClick(page.get(), Qt::Key_3, Qt::ControlModifier);
    EXPECT_TRUE(Child<QToolButton>("boxTool")->isChecked());
    Drag({10, 10}, {40, 30});
    ASSERT_EQ(Settings().boxes, std::vector<QRect>({QRect(10, 10, 31, 21)}));
    Drag({40, 30}, {50, 50});
    EXPECT_EQ(Settings().boxes, std::vector<QRect>({QRect(10, 10, 41, 41)}));
    EXPECT_TRUE(document.IsModified());

    // Box statistics as the core measures them, and the maximum marked on the picture.
    const auto statistics = MeasureBox(*Measured(), Settings().boxes[0]);
    ASSERT_TRUE(statistics);
    EXPECT_EQ(Child<QLabel>("boxStatistics")->text(),
              QStringLiteral("Max / Min / Avg\nBox 1: %1 / %2 / %3 \u00B0C")
                  .arg(QString::asprintf("%.1f", double(statistics->maximum)),
                       QString::asprintf("%.1f", double(statistics->minimum)),
                       QString::asprintf("%.1f", double(statistics->average))));
    EXPECT_EQ(Child<ImageArea>("imageArea")->Marks().hottest, std::vector<QPoint>({statistics->hottest}));

    // Delete removes the selected box.
    QTest::keyClick(page.get(), Qt::Key_Delete);
    EXPECT_TRUE(Settings().boxes.empty());
    EXPECT_TRUE(Child<QLabel>("boxStatistics")->text().isEmpty());
}

TEST_F(DetailsMeasurementTools, ExtraSpotsAreCursorsAfterTheCamerasMarkers)
{
    snapshotPath = AddInspection(2);
    Open();
    ChooseTool("spotTool");
    Click({100, 90});
    auto* cursorsA = Child<QComboBox>("cursorListA");
    ASSERT_EQ(cursorsA->count(), 4);
    EXPECT_EQ(cursorsA->itemText(3), "Cursor 3");
    cursorsA->setCurrentIndex(3);
    emit cursorsA->activated(3);
    const auto measured = Measured();
    EXPECT_EQ(EditText("cursorTempA"),
              TemperatureText(SpotTemperature(*measured, {100, 90}), TemperatureUnit::Celsius));
    EXPECT_EQ(Child<cColourEdit>("cursorTempA")->BkColour(), MarkerColours(2).line);
    EXPECT_EQ(EditText("differenceEdit"),
              DifferenceText(SpotTemperature(*measured, {100, 90}) - measured->MarkerTemperature(1),
                             TemperatureUnit::Celsius));

    // The spot's cursor follows it; removing it leaves the list without it and the cursor unset.
    Drag({100, 90}, {120, 20});
    EXPECT_EQ(EditText("cursorTempA"),
              TemperatureText(SpotTemperature(*Measured(), {120, 20}), TemperatureUnit::Celsius));
    QTest::keyClick(page.get(), Qt::Key_Delete);
    EXPECT_TRUE(Settings().spots.empty());
    EXPECT_EQ(cursorsA->count(), 3);
    EXPECT_EQ(cursorsA->currentIndex(), 0);
    EXPECT_TRUE(EditText("cursorTempA").isEmpty());

    // Ten spots at most, with a message beyond.
    for (int i = 0; i < MeasurementSettings::MaxSpots + 1; ++i) {
        Click({10 + 12 * i, 100});
    }
    EXPECT_EQ(Settings().spots.size(), size_t(MeasurementSettings::MaxSpots));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "No more than 10 spots can be added to one inspection.");
}

TEST_F(DetailsMeasurementTools, UndoTakesEditsBackInTurnWithTheStrokes)
{
    snapshotPath = AddInspection(2);
    Open();
    Drag({20, 20}, {60, 60});
    ChooseTool("spotTool");
    Click({100, 90});
    Drag({100, 90}, {110, 95});
    // Steps of one field make one step of Undo.
    SetField("emissivityEdit", 0.9);
    SetField("emissivityEdit", 0.8);
    ChooseTool("boxTool");
    Drag({10, 10}, {40, 30});

    Undo();
    EXPECT_TRUE(Settings().boxes.empty());
    EXPECT_EQ(Settings().emissivity, 0.8f);
    Undo();
    EXPECT_FALSE(Settings().emissivity);
    EXPECT_EQ(EditText("emissivityEdit"), TwoDecimals(Measured()->emissivity));
    EXPECT_EQ(EditText("cursorTempA"), TemperatureText(Measured()->MarkerTemperature(0), TemperatureUnit::Celsius));
    Undo();
    EXPECT_EQ(Settings().spots, std::vector<QPoint>({{100, 90}}));
    Undo();
    EXPECT_TRUE(Settings().spots.empty());
    EXPECT_EQ(Child<QComboBox>("cursorListA")->count(), 3);
    EXPECT_EQ(document.Project().SelectionAt(0)->strokes.size(), 1u);
    Undo();
    EXPECT_TRUE(document.Project().SelectionAt(0)->strokes.empty());
}

TEST_F(DetailsMeasurementTools, SettingsStayWithTheirInspection)
{
    AddInspection(2);
    snapshotPath = AddInspection(1);
    Open();
    const QString cameraEmissivity = TwoDecimals(Measured()->emissivity);
    SetField("emissivityEdit", 0.5);
    ChooseTool("spotTool");
    Click({80, 60});
    Child<QPushButton>("nextButton")->click();
    EXPECT_EQ(EditText("emissivityEdit"), cameraEmissivity);
    EXPECT_EQ(Child<QComboBox>("cursorListA")->count(), 2);
    EXPECT_TRUE(document.Project().SelectionAt(1)->measurement.IsEmpty());
    Child<QPushButton>("nextButton")->click();
    EXPECT_EQ(EditText("emissivityEdit"), "0.50");
    EXPECT_EQ(Child<QComboBox>("cursorListA")->count(), 4);
    EXPECT_EQ(document.Project().SelectionAt(0)->measurement.spots, std::vector<QPoint>({{80, 60}}));
    // What the last visit did is not undone from another.
    Undo();
    EXPECT_EQ(document.Project().SelectionAt(0)->measurement.spots.size(), 1u);
}

} // namespace
