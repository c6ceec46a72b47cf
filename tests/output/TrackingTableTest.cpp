#include "output/TrackingTable.h"
#include "ReportFixture.h"

#include "snapshot/MeasuredSnapshot.h"
#include "snapshot/cQVX.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>

#include <gtest/gtest.h>

#include <limits>

namespace {

// What Python's csv module reads from a file, row by row.
std::vector<QStringList> ReadWithPython(const QString& path)
{
    QProcess python;
    python.start(QStringLiteral("python3"), {QStringLiteral(THERMREPORT_SOURCE_DIR "/tests/output/read_csv.py"), path});
    if (!python.waitForFinished(60000) || python.exitCode() != 0) {
        ADD_FAILURE() << "python3 could not read the table: " << python.readAllStandardError().toStdString();
        return {};
    }
    std::vector<QStringList> rows;
    for (const QJsonValue& row : QJsonDocument::fromJson(python.readAllStandardOutput()).array()) {
        QStringList fields;
        for (const QJsonValue& field : row.toArray()) {
            fields.append(field.toString());
        }
        rows.push_back(fields);
    }
    return rows;
}

// Every row ends in CR LF; a bare line break may only stand inside a quoted field.
bool RowsEndInCrLf(const QByteArray& table)
{
    bool quoted = false;
    for (qsizetype index = 0; index < table.size(); ++index) {
        if (table[index] == '"') {
            quoted = !quoted;
        } else if (table[index] == '\n' && !quoted && (index == 0 || table[index - 1] != '\r')) {
            return false;
        }
    }
    return !quoted && table.endsWith("\r\n");
}

class TrackingTable : public testing::Test
{
protected:
    void SetUp() override
    {
        snapshotPath = files.WriteSnapshot(QStringLiteral("a, \"b\".qvx"));
        project = files.Project(3, snapshotPath);
        InspectionDetails& awkward = *project.DetailsAt(0);
        awkward.name = QStringLiteral("Pump, \"north\"");
        awkward.location = QStringLiteral("配電盤 2");
        awkward.equipment = QStringLiteral("=SUM(A1)");
        awkward.faultAction = QStringLiteral("Loose lug,\r\nre-torque \"now\"\nthen check");
        awkward.repairPriority = 4;
        awkward.repairedSet = true;
        awkward.reinspectedSet = true;
        awkward.reinspectedDate = {0.0, OleDate::Invalid};
        awkward.repairedInitials = QStringLiteral("  ");
        project.SelectionAt(0)->imagePath = files.PathOf(QStringLiteral("photo.jpg"));
        InspectionDetails& unchosen = *project.DetailsAt(1);
        unchosen.cursorA = -1;
        unchosen.cursorB = -1;
        unchosen.inspectedSet = false;
        unchosen.repairPriority = 0;
        InspectionDetails& single = *project.DetailsAt(2);
        single.cursorA = 0;
        single.cursorB = 2;
        project.SelectionAt(2)->snapshotPath = files.PathOf(QStringLiteral("missing.qvx"));

        cQVX snapshot;
        ASSERT_TRUE(snapshot.Load(snapshotPath));
        ASSERT_TRUE(snapshot.LoadPixels(cQVX::Width, cQVX::Height));
        snapshot.unitCode = snapshot.fahrenheitCode;
        first = QString::number(double(snapshot.MarkerTemperature(0)), 'f', 1);
        second = QString::number(double(snapshot.MarkerTemperature(1)), 'f', 1);
        difference = QString::number(double(snapshot.MarkerDifference(0, 1)), 'f', 1);
    }

    ReportFixture files;
    QString snapshotPath;
    ReportProject project;
    QString first;
    QString second;
    QString difference;
};

TEST_F(TrackingTable, ReadsBackFieldForFieldInASpreadsheetReader)
{
    project.severityCriteria =
        SeverityCriteria {SeverityKind::Custom,
                          {{1.0f, QStringLiteral("Low"), {}, 1},
                           {std::numeric_limits<float>::infinity(), QStringLiteral("高い, \"hot\""), {}, 5}}};
    const QString path = files.PathOf(QStringLiteral("table.csv"));
    ASSERT_TRUE(SaveTrackingTable(path, project, TemperatureUnit::Fahrenheit).Ok());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("No.,Inspection Name,"));
    EXPECT_TRUE(RowsEndInCrLf(bytes));

    const std::vector<QStringList> rows = ReadWithPython(path);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0],
              (QStringList {"No.",
                            "Inspection Name",
                            "Location",
                            "Equipment",
                            "Repair Priority",
                            "Cursor 1 (°F)",
                            "Cursor 2 (°F)",
                            "Difference (°F)",
                            "Severity",
                            "Fault / Recommended Action",
                            "Inspected",
                            "Inspected Initials",
                            "Repaired",
                            "Repaired Initials",
                            "Reinspected",
                            "Reinspected Initials",
                            "Snapshot File",
                            "Photo File"}));
    const QString hot = QStringLiteral("高い, \"hot\"");
    EXPECT_EQ(rows[1],
              (QStringList {"1",
                            "Pump, \"north\"",
                            "配電盤 2",
                            "=SUM(A1)",
                            "4",
                            first,
                            second,
                            difference,
                            hot,
                            "Loose lug,\r\nre-torque \"now\"\nthen check",
                            "2007-05-22",
                            "JB",
                            "2007-06-01",
                            "  ",
                            "",
                            "",
                            snapshotPath,
                            files.PathOf(QStringLiteral("photo.jpg"))}));
    // Cursors never chosen read as the report prints them; an unset date and no priority are empty.
    EXPECT_EQ(rows[2],
              (QStringList {"2",
                            "Item 2",
                            "Hall 2",
                            "Pump 2",
                            "",
                            first,
                            second,
                            difference,
                            hot,
                            "Fault 2",
                            "",
                            "JB",
                            "",
                            "",
                            "",
                            "",
                            snapshotPath,
                            ""}));
    // A snapshot that cannot be read leaves its temperatures and class empty, the rest is there.
    EXPECT_EQ(rows[3].mid(0, 10), (QStringList {"3", "Item 3", "Hall 3", "Pump 3", "2", "", "", "", "", "Fault 3"}));
}

TEST_F(TrackingTable, WithoutCriteriaTheClassStaysEmpty)
{
    const QString path = files.PathOf(QStringLiteral("plain.csv"));
    ASSERT_TRUE(SaveTrackingTable(path, project, TemperatureUnit::Kelvin).Ok());
    const std::vector<QStringList> rows = ReadWithPython(path);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0][5], QStringLiteral("Cursor 1 (K)"));
    EXPECT_EQ(rows[1][8], QString());
    EXPECT_EQ(rows[2][8], QString());
}

TEST_F(TrackingTable, ReadsTemperaturesWithTheInspectionsSettings)
{
    MeasurementSettings& settings = project.SelectionAt(1)->measurement;
    settings.emissivity = 0.6f;
    settings.reflectedKelvin = 250.0f;
    settings.spots = {{10, 110}};
    project.DetailsAt(1)->cursorB = 3; // the spot, after the snapshot's two markers
    project.severityCriteria =
        SeverityCriteria {SeverityKind::Custom,
                          {{0.5f, QStringLiteral("Low"), {}, 1},
                           {std::numeric_limits<float>::infinity(), QStringLiteral("High"), {}, 5}}};
    const QByteArray table = TrackingTableCsv(project, TemperatureUnit::Fahrenheit);
    const QString path = files.WriteFile(QStringLiteral("settings.csv"), table);
    const std::vector<QStringList> rows = ReadWithPython(path);
    ASSERT_EQ(rows.size(), 4u);

    cQVX snapshot;
    ASSERT_TRUE(LoadMeasuredSnapshot(snapshot, snapshotPath, settings));
    snapshot.unitCode = snapshot.fahrenheitCode;
    const float cursor1 = snapshot.MarkerTemperature(0);
    const float cursor3 = SpotTemperature(snapshot, {10, 110});
    EXPECT_EQ(rows[2][5], QString::number(double(cursor1), 'f', 1));
    EXPECT_EQ(rows[2][6], QString::number(double(cursor3), 'f', 1));
    EXPECT_EQ(rows[2][7], QString::number(double(cursor1 - cursor3), 'f', 1));
    EXPECT_NE(rows[2][5], first);
    EXPECT_EQ(rows[2][8], std::abs(cursor1 - cursor3) / 1.8f > 0.5f ? QStringLiteral("High") : QStringLiteral("Low"));
    // The other inspections keep the camera's values.
    EXPECT_EQ(rows[1][5], first);
}

TEST_F(TrackingTable, UnwritablePlaceIsReportedWithItsReason)
{
    const QString notAFolder = files.WriteFile(QStringLiteral("file"), "old");
    const FileWriteResult saved =
        SaveTrackingTable(notAFolder + QStringLiteral("/table.csv"), project, TemperatureUnit::Celsius);
    EXPECT_FALSE(saved.Ok());
    EXPECT_FALSE(saved.Message().isEmpty());
}

} // namespace
