#include "app/cli/ProjectJson.h"
#include "app/cli/ReportCommands.h"

#include "app/settings/Settings.h"
#include "report/ProjectFileIO.h"

#include <QBuffer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <limits>

namespace {

ReportProject SampleProject()
{
    ReportProject project = NewReportProject(QDateTime(QDate(2007, 5, 22), QTime(14, 5, 30)));
    project.title.logoPath = QStringLiteral("/logos/acme.png");
    project.title.company = QStringLiteral("Acme");
    project.title.author = QStringLiteral("Zoë");
    project.title.generalComments = QStringLiteral("line one\nline two");
    project.AppendInspection({QStringLiteral("/s/a.qvx"), QStringLiteral("/s/a.jpg"), {{1, 2, 3, 4, 5, 0x00FF00}}});
    project.AppendInspection({QStringLiteral("/s/b.qvx"), {}, {}});
    InspectionDetails& details = *project.DetailsAt(0);
    details.name = QStringLiteral("Pump");
    details.operatorName = QStringLiteral("Joe");
    details.repairPriority = 4;
    details.inspectedSet = true;
    details.inspectedDate = OleDateFromDateTime(QDateTime(QDate(2007, 6, 1), QTime(8, 0)));
    details.repairedDate = {39000.5, OleDate::Invalid};
    details.cursorA = 2;
    details.materialCondition = 1;
    details.pressureDifference = QStringLiteral("0.5");
    return project;
}

QJsonObject ExportedJson(const QString& path)
{
    QByteArray printed;
    QBuffer output(&printed);
    output.open(QIODevice::WriteOnly);
    const CommandResult outcome = RunReportCommand({QStringLiteral("--export-json"), path}, output);
    EXPECT_EQ(ExitStatusOf(outcome), 0) << outcome.Message().toStdString();
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(printed, &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError);
    return document.object();
}

TEST(ProjectJson, EveryFieldUnderItsOwnName)
{
    const QJsonObject json = ProjectToJson(SampleProject(), 1.2);
    EXPECT_EQ(json["version"].toDouble(), 1.2);
    EXPECT_TRUE(json["template"].isNull());
    EXPECT_TRUE(json["unit"].isNull());
    EXPECT_EQ(json["severityCriteria"].toObject(), (QJsonObject {{"kind", "none"}, {"classes", QJsonArray()}}));

    const QJsonObject title = json["title"].toObject();
    EXPECT_EQ(title.keys().size(), 6);
    EXPECT_EQ(title["logoPath"].toString(), QStringLiteral("/logos/acme.png"));
    EXPECT_EQ(title["author"].toString(), QStringLiteral("Zoë"));
    EXPECT_EQ(title["showDate"].toBool(), true);
    EXPECT_EQ(title["generalComments"].toString(), QStringLiteral("line one\nline two"));
    EXPECT_EQ(title["date"].toObject()["iso"].toString(), QStringLiteral("2007-05-22T14:05:30"));
    EXPECT_EQ(title["date"].toObject()["status"].toInt(), 0);

    const QJsonArray selections = json["selections"].toArray();
    ASSERT_EQ(selections.size(), 2);
    const QJsonObject stroke = selections[0].toObject()["strokes"].toArray()[0].toObject();
    EXPECT_EQ(
        stroke,
        (QJsonObject {{"startX", 1}, {"startY", 2}, {"endX", 3}, {"endY", 4}, {"penSize", 5}, {"colour", 0xFF00}}));
    EXPECT_EQ(selections[1].toObject()["imagePath"].toString(), QString());
    EXPECT_TRUE(selections[1].toObject()["strokes"].toArray().isEmpty());

    const QJsonArray details = json["details"].toArray();
    ASSERT_EQ(details.size(), 2);
    const QJsonObject first = details[0].toObject();
    EXPECT_EQ(first.keys().size(), 27);
    EXPECT_EQ(first["operator"].toString(), QStringLiteral("Joe"));
    EXPECT_EQ(first["repairPriority"].toInt(), 4);
    EXPECT_EQ(first["cursorA"].toInt(), 2);
    EXPECT_EQ(first["cursorB"].toInt(), -1);
    EXPECT_EQ(first["materialCondition"].toInt(), 1);
    EXPECT_EQ(first["pressureDifference"].toString(), QStringLiteral("0.5"));
    EXPECT_EQ(first["inspectedSet"].toBool(), true);
    EXPECT_EQ(first["inspectedDate"].toObject()["iso"].toString(), QStringLiteral("2007-06-01T08:00:00"));
    const QJsonObject invalid = first["repairedDate"].toObject();
    EXPECT_EQ(invalid["status"].toInt(), 1);
    EXPECT_EQ(invalid["value"].toDouble(), 39000.5);
    EXPECT_TRUE(invalid["iso"].isNull());
}

TEST(ProjectJson, CommandPrintsTheProjectReadFromItsFile)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("p.QVR"));
    ReportProject project = SampleProject();
    project.reportTemplate = ReportTemplate::Buildings;
    project.unit = TemperatureUnit::Kelvin;
    project.severityCriteria =
        SeverityCriteria {SeverityKind::OverAmbient,
                          {{2.5f, QStringLiteral("Warm"), QStringLiteral("Watch"), 2},
                           {std::numeric_limits<float>::infinity(), QStringLiteral("Hot"), {}, 5}}};
    MeasurementSettings& settings = project.SelectionAt(1)->measurement;
    settings.emissivity = 0.95f;
    settings.reflectedKelvin = 293.15f;
    settings.palette = PaletteKind::HighContrast;
    settings.manualRange = ManualColourRange {280.5f, 330.0f};
    settings.spots = {{3, 4}};
    settings.boxes = {QRect(1, 2, 30, 40)};
    ASSERT_TRUE(SaveProjectFile(path, project).Ok());
    const QJsonObject json = ExportedJson(path);
    const QJsonArray selections = json["selections"].toArray();
    ASSERT_EQ(selections.size(), 2);
    // The values as typed, not their single-precision neighbours; the camera's own are null.
    EXPECT_EQ(selections[1].toObject()["measurement"].toObject(),
              (QJsonObject {{"emissivity", 0.95},
                            {"reflectedKelvin", 293.15},
                            {"palette", "highContrast"},
                            {"colourRange", QJsonObject {{"lowKelvin", 280.5}, {"highKelvin", 330}}},
                            {"spots", QJsonArray {QJsonObject {{"x", 3}, {"y", 4}}}},
                            {"boxes", QJsonArray {QJsonObject {{"x", 1}, {"y", 2}, {"width", 30}, {"height", 40}}}}}));
    const QJsonObject plain = selections[0].toObject()["measurement"].toObject();
    for (const char* field : {"emissivity", "reflectedKelvin", "palette", "colourRange"}) {
        EXPECT_TRUE(plain[field].isNull()) << field;
    }
    EXPECT_TRUE(plain["spots"].toArray().isEmpty());
    const QJsonObject criteria = json["severityCriteria"].toObject();
    EXPECT_EQ(criteria["kind"].toString(), "overAmbient");
    const QJsonArray classes = criteria["classes"].toArray();
    ASSERT_EQ(classes.size(), 2);
    EXPECT_EQ(classes[0].toObject(),
              (QJsonObject {{"upperBound", 2.5}, {"name", "Warm"}, {"action", "Watch"}, {"priority", 2}}));
    EXPECT_TRUE(classes[1].toObject()["upperBound"].isNull());
    EXPECT_EQ(json["version"].toDouble(), 1.2);
    EXPECT_EQ(json["template"].toString(), "buildings");
    EXPECT_EQ(json["unit"].toString(), "K");
    EXPECT_EQ(json, ProjectToJson(project, 1.2));
}

TEST(ProjectJson, AnOldFileShowsTheSettingsItIsPrintedIn)
{
    QSettings(QStringLiteral("VORNEX"), QStringLiteral("Brenmor Report Writer")).clear();
    QSettings(QStringLiteral("Vornex"), QStringLiteral("Brenmor Report Writer")).clear();
    ASSERT_EQ(WriteTempUnit(1), SettingWrite::Written);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("p.QVR"));
    ASSERT_TRUE(SaveProjectFile(path, SampleProject()).Ok());
    const QJsonObject json = ExportedJson(path);
    EXPECT_EQ(json["template"].toString(), "maintenance");
    EXPECT_EQ(json["unit"].toString(), "F");
    QSettings(QStringLiteral("VORNEX"), QStringLiteral("Brenmor Report Writer")).clear();
}

} // namespace
