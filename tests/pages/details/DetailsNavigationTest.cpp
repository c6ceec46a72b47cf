#include "DetailsFixture.h"

#include "app/settings/Settings.h"
#include "output/ScaleDrawing.h"
#include "pages/details/TemperatureScaleView.h"
#include "report/ProjectFileIO.h"
#include "snapshot/cQVX.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

using DetailsNavigation = DetailsFixture;

TEST_F(DetailsNavigation, NextAndPreviousWrapAroundAndStoreOnTheWay)
{
    for (int i = 0; i < 3; ++i) {
        AddInspection(2);
    }
    Open();
    EXPECT_EQ(PositionText(), "Inspection 1 of 3");
    Type("nameEdit", "Panel A");
    Child<QPushButton>("previousButton")->click();
    EXPECT_EQ(PositionText(), "Inspection 3 of 3");
    EXPECT_EQ(Record(0).name, "Panel A");
    EXPECT_TRUE(EditText("nameEdit").isEmpty());
    Child<QPushButton>("nextButton")->click();
    EXPECT_EQ(PositionText(), "Inspection 1 of 3");
    EXPECT_EQ(EditText("nameEdit"), "Panel A");
    Child<QPushButton>("nextButton")->click();
    Child<QPushButton>("nextButton")->click();
    Child<QPushButton>("nextButton")->click();
    EXPECT_EQ(PositionText(), "Inspection 1 of 3");
}

TEST_F(DetailsNavigation, WithOneInspectionTheButtonsDoNothingAtAll)
{
    AddInspection(1);
    Open();
    Type("nameEdit", "Only one");
    Child<QPushButton>("nextButton")->click();
    Child<QPushButton>("previousButton")->click();
    EXPECT_EQ(PositionText(), "Inspection 1 of 1");
    EXPECT_TRUE(Record(0).name.isEmpty());
    EXPECT_EQ(EditText("nameEdit"), "Only one");
}

TEST_F(DetailsNavigation, LeavingThePageKeepsWhatWasTyped)
{
    AddInspection(2);
    Open();
    Type("nameEdit", "Typed before leaving");
    page->hide();
    EXPECT_EQ(Record(0).name, "Typed before leaving");
    page->show();
    EXPECT_EQ(EditText("nameEdit"), "Typed before leaving");
}

TEST_F(DetailsNavigation, RowsChangedWhileAwayAreNeverGivenOtherValues)
{
    AddInspection(1);
    AddInspection(1);
    Record(0).name = "first";
    Record(1).name = "second";
    Open();
    Type("nameEdit", " edited");
    page->hide();
    document.Project().RemoveInspection(0);
    document.Project().SetCurrentPosition(0);
    emit document.GatherForSaving();
    EXPECT_EQ(Record(0).name, "second");
    page->show();
    EXPECT_EQ(PositionText(), "Inspection 1 of 1");
    EXPECT_EQ(EditText("nameEdit"), "second");
}

TEST_F(DetailsNavigation, NewProjectEmptiesThePage)
{
    AddInspection(2);
    Open();
    Type("nameEdit", "old");
    document.New();
    EXPECT_EQ(PositionText(), "Inspection 0 of 0");
    EXPECT_TRUE(EditText("nameEdit").isEmpty());
    EXPECT_EQ(Child<QComboBox>("cursorListA")->count(), 0);
}

struct CursorCase
{
    int markers;
    int first;
    int second;
    bool difference;
};

class FirstDisplayCursors : public DetailsFixture, public testing::WithParamInterface<CursorCase>
{
};

TEST_P(FirstDisplayCursors, TakeTheFirstTwoCursorsTheSnapshotHas)
{
    AddInspection(GetParam().markers);
    Open();
    auto* first = Child<QComboBox>("cursorListA");
    auto* second = Child<QComboBox>("cursorListB");
    EXPECT_EQ(first->count(), GetParam().markers + 1);
    EXPECT_EQ(first->currentIndex(), GetParam().first);
    EXPECT_EQ(second->currentIndex(), GetParam().second);
    EXPECT_EQ(EditText("differenceEdit").isEmpty(), !GetParam().difference);
    EXPECT_EQ(EditText("cursorTempA").isEmpty(), GetParam().first == 0);
    EXPECT_EQ(Record(0).cursorA, -1);
    if (GetParam().markers > 0) {
        EXPECT_EQ(first->itemText(1), "Cursor 1");
    }
}

INSTANTIATE_TEST_SUITE_P(Markers,
                         FirstDisplayCursors,
                         testing::Values(CursorCase {0, 0, 0, false},
                                         CursorCase {1, 1, 0, false},
                                         CursorCase {2, 1, 2, true},
                                         CursorCase {3, 1, 2, true}));

TEST_F(DetailsNavigation, BuildingsWithFahrenheitLabelsAndConvertsTheBuildingFields)
{
    document.Project().reportTemplate = ReportTemplate::Buildings;
    AddInspection(2);
    AddInspection(2);
    Record(1).windSpeed = "12";
    Record(1).outdoorTemperature = "cold";
    Open();
    EXPECT_EQ(Child<QLabel>("operatorLabel")->text(), "Inspector");
    EXPECT_FALSE(Child<QLineEdit>("equipmentEdit")->isVisible());
    EXPECT_FALSE(Child<QLineEdit>("loadPercentEdit")->isVisible());
    EXPECT_TRUE(Child<QComboBox>("materialList")->isVisible());
    EXPECT_EQ(Child<QLabel>("indoorUnit")->text(), "\u00B0C");
    EXPECT_EQ(Child<QLabel>("windUnit")->text(), "km/h");

    Type("indoorEdit", "21");
    auto* units = Child<QComboBox>("unitList");
    units->setCurrentIndex(1);
    emit units->activated(1);
    EXPECT_EQ(Child<QLabel>("indoorUnit")->text(), "\u00B0F");
    EXPECT_EQ(Child<QLabel>("outdoorUnit")->text(), "\u00B0F");
    EXPECT_EQ(Child<QLabel>("windUnit")->text(), "mph");
    // What was typed, stored first, and every other inspection's values are in the new unit.
    EXPECT_EQ(EditText("indoorEdit"), "69.8");
    EXPECT_EQ(Record(0).indoorTemperature, "69.8");
    EXPECT_EQ(Record(1).windSpeed, "7.5");
    EXPECT_EQ(Record(1).outdoorTemperature, "cold");
    EXPECT_TRUE(EditText("cursorTempA").endsWith("\u00B0F"));
    EXPECT_TRUE(EditText("reflectedEdit").endsWith("\u00B0F"));
    EXPECT_EQ(document.Project().unit, TemperatureUnit::Fahrenheit);
    EXPECT_TRUE(document.IsModified());
    EXPECT_EQ(GetTempUnit(), 1);
}

// Opening a project shows it in its own template and unit at once.
struct OpenedCase
{
    const char* name;
    ReportTemplate reportTemplate;
    TemperatureUnit unit;
    const char* operatorLabel;
    const char* indoorUnit;
    const char* windUnit;
};

void PrintTo(const OpenedCase& c, std::ostream* out)
{
    *out << c.name;
}

class DetailsOpened : public DetailsFixture, public testing::WithParamInterface<OpenedCase>
{
};

TEST_P(DetailsOpened, ShowsTheProjectInItsTemplateAndUnit)
{
    const OpenedCase& c = GetParam();
    const bool buildings = c.reportTemplate == ReportTemplate::Buildings;
    // The page was showing a project of the other template in Celsius.
    document.Project().reportTemplate = buildings ? ReportTemplate::Maintenance : ReportTemplate::Buildings;
    AddInspection(2);
    Open();
    ReportProject opened = document.Project();
    opened.reportTemplate = c.reportTemplate;
    opened.unit = c.unit;
    opened.DetailsAt(0)->indoorTemperature = "70";
    opened.DetailsAt(0)->loadPercent = "80";
    const QString path = folder.filePath("opened.QVR");
    ASSERT_TRUE(SaveProjectFile(path, opened).Ok());
    ASSERT_TRUE(document.OpenProjectPath(path));

    EXPECT_EQ(Child<QLabel>("operatorLabel")->text(), c.operatorLabel);
    EXPECT_EQ(Child<QLineEdit>("equipmentEdit")->isVisible(), !buildings);
    EXPECT_EQ(Child<QLineEdit>("indoorEdit")->isVisible(), buildings);
    EXPECT_EQ(Child<QComboBox>("materialList")->isVisible(), buildings);
    EXPECT_EQ(Child<QComboBox>("unitList")->currentIndex(), int(c.unit));
    EXPECT_EQ(EditText(buildings ? "indoorEdit" : "loadPercentEdit"), buildings ? "70" : "80");
    if (buildings) {
        EXPECT_EQ(Child<QLabel>("indoorUnit")->text(), QString::fromUtf8(c.indoorUnit));
        EXPECT_EQ(Child<QLabel>("windUnit")->text(), c.windUnit);
    }
    EXPECT_TRUE(EditText("reflectedEdit").endsWith(QStringList({"\u00B0C", "\u00B0F", "K"})[int(c.unit)]));
    EXPECT_FALSE(document.IsModified());

    // A new project takes the user's settings again.
    document.New();
    EXPECT_EQ(Child<QLabel>("operatorLabel")->text(), "Operator");
    EXPECT_EQ(Child<QComboBox>("unitList")->currentIndex(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Projects,
    DetailsOpened,
    testing::Values(
        OpenedCase {"MaintenanceCelsius", ReportTemplate::Maintenance, TemperatureUnit::Celsius, "Operator", "", ""},
        OpenedCase {"MaintenanceKelvin", ReportTemplate::Maintenance, TemperatureUnit::Kelvin, "Operator", "", ""},
        OpenedCase {
            "BuildingsFahrenheit", ReportTemplate::Buildings, TemperatureUnit::Fahrenheit, "Inspector", "°F", "mph"},
        OpenedCase {"BuildingsKelvin", ReportTemplate::Buildings, TemperatureUnit::Kelvin, "Inspector", "°C", "km/h"}),
    [](const testing::TestParamInfo<OpenedCase>& info) { return std::string(info.param.name); });

TEST_F(DetailsNavigation, ANewTemplateKeepsWhatWasTypedAndShowsItsFields)
{
    AddInspection(2);
    Record(0).indoorTemperature = "19";
    Open();
    Type("nameEdit", "Typed, not stored");
    document.ChangeTemplate(ReportTemplate::Buildings);
    EXPECT_EQ(Record(0).name, "Typed, not stored");
    EXPECT_EQ(EditText("nameEdit"), "Typed, not stored");
    EXPECT_EQ(Child<QLabel>("operatorLabel")->text(), "Inspector");
    EXPECT_TRUE(Child<QLineEdit>("indoorEdit")->isVisible());
    EXPECT_EQ(EditText("indoorEdit"), "19");
    Type("indoorEdit", "5");
    page->StoreInspection();
    EXPECT_EQ(Record(0).indoorTemperature, "195");
}

// The display range 2000..3000 of the sample snapshots, in the unit's temperatures.
QStringList RangeTexts(const QString& path, quint8 cQVX::*unitCode, const char* suffix)
{
    cQVX snapshot;
    EXPECT_TRUE(snapshot.Load(path));
    snapshot.unitCode = snapshot.*unitCode;
    const auto text = [&](int raw) {
        return QString::asprintf("%.1f ", double(float(snapshot.ToTemperature(raw, 0.95)))) + QString::fromUtf8(suffix);
    };
    return {text(2000), text(3000)};
}

TEST_F(DetailsNavigation, ScaleBesideTheSnapshotFollowsTheUnit)
{
    const QString path = AddInspection(2);
    document.Project().AppendInspection({folder.filePath("missing.qvx"), {}, {}});
    Open();
    auto* scale = Child<TemperatureScaleView>("temperatureScale");
    ASSERT_NE(scale, nullptr);
    QStringList labels = scale->Labels();
    ASSERT_GE(labels.size(), 2);
    EXPECT_EQ(QStringList({labels.first(), labels.last()}), RangeTexts(path, &cQVX::celsiusCode, "\u00B0C"));

    // The bar's middle shows the middle of the snapshot's palette.
    const QImage drawn = scale->grab().toImage();
    const QImage bar = PaletteBar(PaletteKind::Ironbow);
    const QRgb middle = drawn.pixel(97, 110);
    bool inPalette = false;
    for (int row = 120; row <= 136; ++row) {
        inPalette = inPalette || bar.pixel(0, row) == middle;
    }
    EXPECT_TRUE(inPalette) << std::hex << middle;

    auto* units = Child<QComboBox>("unitList");
    units->setCurrentIndex(1);
    emit units->activated(1);
    labels = scale->Labels();
    EXPECT_EQ(QStringList({labels.first(), labels.last()}), RangeTexts(path, &cQVX::fahrenheitCode, "\u00B0F"));

    Child<QPushButton>("nextButton")->click();
    EXPECT_TRUE(scale->Labels().isEmpty()) << "no picture, no scale";
}

TEST_F(DetailsNavigation, MaintenanceShowsLoadsAndHidesTheBuildingFields)
{
    AddInspection(2);
    Open();
    EXPECT_EQ(Child<QLabel>("operatorLabel")->text(), "Operator");
    EXPECT_EQ(Child<QLabel>("measuredLoadLabel")->text(), "Measured Load");
    EXPECT_TRUE(Child<QLineEdit>("equipmentEdit")->isVisible());
    EXPECT_FALSE(Child<QComboBox>("materialList")->isVisible());
    EXPECT_FALSE(Child<QLineEdit>("indoorEdit")->isVisible());
}

} // namespace
