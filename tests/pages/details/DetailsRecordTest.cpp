#include "DetailsFixture.h"

#include "app/settings/Settings.h"
#include "pages/colour/cColourEdit.h"
#include "snapshot/cQVX.h"

#include <QComboBox>
#include <QDateTimeEdit>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>

namespace {

using DetailsRecord = DetailsFixture;

TEST_F(DetailsRecord, RecordRoundTripsThroughTheControls)
{
    AddInspection(3);
    InspectionDetails& record = Record(0);
    record.name = "Main switchboard";
    record.operatorName = "R. Ortiz";
    record.comment = "Line one\r\nLine two";
    record.faultAction = "Tighten lug";
    record.repairPriority = 4;
    record.cursorA = 3;
    record.cursorB = 0;
    record.repairedSet = true;
    record.repairedDate = OleDateFromDateTime(QDateTime(QDate(2024, 5, 17), QTime(10, 30)));
    record.reinspectedDate = OleDateFromDateTime(QDateTime(QDate(2020, 1, 1), QTime(0, 0)));
    record.inspectedInitials = "RO";
    const InspectionDetails stored = record;
    Open();
    EXPECT_EQ(EditText("commentEdit"), "Line one\r\nLine two");
    EXPECT_EQ(Child<QComboBox>("priorityList")->currentIndex(), 4);
    EXPECT_EQ(Child<QComboBox>("cursorListA")->currentIndex(), 3);
    EXPECT_TRUE(Child<QRadioButton>("repairedGiven")->isChecked());
    EXPECT_TRUE(Child<QDateTimeEdit>("repairedPicker")->isEnabled());
    EXPECT_EQ(Child<QDateTimeEdit>("repairedPicker")->date(), QDate(2024, 5, 17));
    EXPECT_TRUE(Child<QRadioButton>("reinspectedNoDate")->isChecked());
    EXPECT_FALSE(Child<QDateTimeEdit>("reinspectedPicker")->isEnabled());
    page->StoreInspection();
    EXPECT_EQ(Record(0), stored);
}

TEST_F(DetailsRecord, ClearingADateTickKeepsTheDate)
{
    AddInspection(1);
    Record(0).inspectedSet = true;
    Record(0).inspectedDate = OleDateFromDateTime(QDateTime(QDate(2023, 3, 3), QTime(9, 0)));
    const OleDate date = Record(0).inspectedDate;
    Open();
    Child<QRadioButton>("inspectedNoDate")->click();
    EXPECT_FALSE(Child<QDateTimeEdit>("inspectedPicker")->isEnabled());
    page->StoreInspection();
    EXPECT_FALSE(Record(0).inspectedSet);
    EXPECT_EQ(Record(0).inspectedDate, date);
    Child<QRadioButton>("inspectedGiven")->click();
    Child<QDateTimeEdit>("inspectedPicker")->setDate(QDate(2023, 4, 4));
    page->StoreInspection();
    EXPECT_TRUE(Record(0).inspectedSet);
    EXPECT_EQ(DateTimeFromOleDate(Record(0).inspectedDate).date(), QDate(2023, 4, 4));
}

TEST_F(DetailsRecord, SnapshotThatDoesNotLoadStillShowsTheTextsAndStoringKeepsTheRecord)
{
    const QString snapshot = AddInspection(2);
    Record(0).name = "Transformer T2";
    Record(0).comment = "Hot spot on phase B";
    Record(0).cursorA = 2;
    Record(0).cursorB = 1;
    const InspectionDetails stored = Record(0);
    QFile::remove(snapshot);
    Open();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "Could not open QVX");
    EXPECT_EQ(dialogs.messages[0].icon, IconError);
    EXPECT_EQ(EditText("nameEdit"), "Transformer T2");
    EXPECT_EQ(Child<QComboBox>("cursorListA")->count(), 0);
    page->StoreInspection();
    EXPECT_EQ(Record(0), stored);
    Type("nameEdit", " (north)");
    page->StoreInspection();
    EXPECT_EQ(Record(0).name, "Transformer T2 (north)");
    EXPECT_EQ(Record(0).cursorA, 2);
}

TEST_F(DetailsRecord, MaintenanceKeepsTheMaterialAndTheBuildingTexts)
{
    AddInspection(1);
    Record(0).materialCondition = 2;
    Record(0).indoorTemperature = "21";
    Record(0).loadPercent = "80";
    Open();
    EXPECT_EQ(EditText("loadPercentEdit"), "80");
    Type("loadPercentEdit", "5");
    page->StoreInspection();
    EXPECT_EQ(Record(0).materialCondition, 2);
    EXPECT_EQ(Record(0).indoorTemperature, "21");
    EXPECT_EQ(Record(0).loadPercent, "805");
}

// Looking at a record stores it back unchanged, whatever the controls make of it: unset cursors,
// bare line feeds, an out-of-range priority. Only the field the user edits changes.
TEST_F(DetailsRecord, ViewingLeavesTheRecordAsItWasRead)
{
    AddInspection(3);
    Record(0).comment = "First line\nsecond line\r\nthird";
    Record(0).repairPriority = 9;
    Record(0).cursorA = -1;
    Record(0).cursorB = -1;
    const InspectionDetails read = Record(0);
    Open();
    page->StoreInspection();
    EXPECT_EQ(Record(0), read);
    EXPECT_FALSE(document.IsModified());

    Type("nameEdit", "Pump");
    page->StoreInspection();
    InspectionDetails edited = read;
    edited.name = "Pump";
    EXPECT_EQ(Record(0), edited);
    EXPECT_TRUE(document.IsModified());
}

TEST_F(DetailsRecord, BuildingsStoresMaterialAndKeepsTheLoadPercent)
{
    document.Project().reportTemplate = ReportTemplate::Buildings;
    AddInspection(1);
    Record(0).materialCondition = 2;
    Record(0).windSpeed = "12";
    Record(0).loadPercent = "80";
    Open();
    EXPECT_EQ(Child<QComboBox>("materialList")->currentIndex(), 2);
    EXPECT_EQ(EditText("windEdit"), "12");
    Child<QComboBox>("materialList")->setCurrentIndex(1);
    page->StoreInspection();
    EXPECT_EQ(Record(0).materialCondition, 1);
    EXPECT_EQ(Record(0).loadPercent, "80");
}

TEST_F(DetailsRecord, TypingColoursTheCheckedFields)
{
    AddInspection(1);
    Open();
    Type("nameEdit", QString(36, QLatin1Char('n')));
    EXPECT_EQ(Child<QLineEdit>("nameEdit")->palette().color(QPalette::Text), QColor(0, 0, 0));
    Type("nameEdit", "n");
    EXPECT_EQ(Child<QLineEdit>("nameEdit")->palette().color(QPalette::Text), QColor(255, 0, 0));
    Type("faultEdit", QString(18, QLatin1Char('f')));
    EXPECT_EQ(Child<cColourEdit>("faultEdit")->palette().color(QPalette::Text), QColor(0, 0, 0));
    Type("faultEdit", QStringLiteral("f"));
    EXPECT_EQ(Child<cColourEdit>("faultEdit")->palette().color(QPalette::Text), QColor(255, 90, 0));
    Type("faultEdit", QString(6, QLatin1Char('f')));
    EXPECT_EQ(Child<cColourEdit>("faultEdit")->palette().color(QPalette::Text), QColor(255, 0, 0));
}

TEST_F(DetailsRecord, TextsLongerThanTheLimitFromAFileStayWhole)
{
    AddInspection(1);
    Record(0).name = QString(50, QLatin1Char('x'));
    Open();
    EXPECT_EQ(EditText("nameEdit").size(), 50);
    page->StoreInspection();
    EXPECT_EQ(Record(0).name.size(), 50);
}

TEST_F(DetailsRecord, CursorChoiceShowsItsTemperatureInTheMarkerColour)
{
    AddInspection(3);
    Open();
    auto* second = Child<QComboBox>("cursorListB");
    second->setCurrentIndex(3);
    emit second->activated(3);
    EXPECT_FALSE(EditText("cursorTempB").isEmpty());
    EXPECT_EQ(Child<cColourEdit>("cursorTempB")->BkColour(), MarkerColours(2).line);
    second->setCurrentIndex(0);
    emit second->activated(0);
    EXPECT_TRUE(EditText("cursorTempB").isEmpty());
    EXPECT_TRUE(EditText("differenceEdit").isEmpty());
    page->StoreInspection();
    EXPECT_EQ(Record(0).cursorA, 1);
    EXPECT_EQ(Record(0).cursorB, 0);
}

} // namespace
