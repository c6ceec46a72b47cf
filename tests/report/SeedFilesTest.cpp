#include "report/ProjectFile.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

// The fuzzing seeds double as files of earlier writers that must keep loading.
QString SeedFolder()
{
    return QStringLiteral(THERMREPORT_SOURCE_DIR "/fuzz/seeds/project");
}

QByteArray Seed(const QString& name)
{
    QFile file(SeedFolder() + "/" + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(SeedFiles, EveryOneLoads)
{
    const QStringList names = QDir(SeedFolder()).entryList({"*.QVR"}, QDir::Files);
    ASSERT_FALSE(names.isEmpty());
    for (const QString& name : names) {
        EXPECT_TRUE(SerializeProject(Seed(name)).Ok()) << name.toStdString();
    }
}

TEST(SeedFiles, CurrentVersionFilesAreWrittenBackByteForByte)
{
    for (const char* name : {"new.QVR",
                             "full.QVR",
                             "block.QVR",
                             "criteria.QVR",
                             "criteria-ambient.QVR",
                             "criteria-none.QVR",
                             "measurement.QVR",
                             "relative-paths.QVR"}) {
        const QByteArray bytes = Seed(name);
        EXPECT_EQ(SerializeProject(SerializeProject(bytes).Value()), bytes) << name;
    }
}

TEST(SeedFiles, NarrowStringsReadThroughWindows1252)
{
    const ProjectReadResult read = SerializeProject(Seed("narrow.QVR"));
    ASSERT_TRUE(read.Ok());
    EXPECT_EQ(read.Value().title.logoPath, QString::fromUtf8("logoé.jpg"));
    EXPECT_EQ(read.Value().title.author, QString::fromUtf8("Autor €"));
}

TEST(SeedFiles, BlocksStateTheTemplateAndUnit)
{
    const ProjectReadResult block = SerializeProject(Seed("block.QVR"));
    ASSERT_TRUE(block.Ok());
    EXPECT_EQ(block.Value().reportTemplate, ReportTemplate::Buildings);
    EXPECT_EQ(block.Value().unit, TemperatureUnit::Fahrenheit);
    // Unknown entries are skipped and not written back.
    const ProjectReadResult unknown = SerializeProject(Seed("block-unknown.QVR"));
    ASSERT_TRUE(unknown.Ok());
    EXPECT_EQ(unknown.Value().reportTemplate, std::nullopt);
    EXPECT_EQ(unknown.Value().unit, TemperatureUnit::Kelvin);
    const QByteArray kelvinBlock("QVRX\1\0\0\0\1\0\0\0\2\0\0\0\4\0\0\0\2\0\0\0", 24);
    EXPECT_EQ(SerializeProject(unknown.Value()), Seed("new.QVR") + kelvinBlock);
    const ProjectReadResult old = SerializeProject(Seed("full.QVR"));
    EXPECT_EQ(old.Value().reportTemplate, std::nullopt);
    EXPECT_EQ(old.Value().unit, std::nullopt);
}

TEST(SeedFiles, CriteriaSeedsStateTheirTables)
{
    const ProjectReadResult custom = SerializeProject(Seed("criteria.QVR"));
    ASSERT_TRUE(custom.Ok());
    ASSERT_TRUE(custom.Value().severityCriteria.has_value());
    EXPECT_EQ(custom.Value().severityCriteria->kind, SeverityKind::Custom);
    ASSERT_EQ(custom.Value().severityCriteria->classes.size(), 3u);
    EXPECT_EQ(custom.Value().severityCriteria->classes[1].name, QString::fromUtf8("赤熱"));
    EXPECT_EQ(custom.Value().reportTemplate, ReportTemplate::Buildings);
    const ProjectReadResult ambient = SerializeProject(Seed("criteria-ambient.QVR"));
    ASSERT_TRUE(ambient.Ok());
    EXPECT_EQ(ambient.Value().Criteria().kind, SeverityKind::OverAmbient);
    EXPECT_EQ(ambient.Value().Criteria().classes.size(), 4u);
    const ProjectReadResult none = SerializeProject(Seed("criteria-none.QVR"));
    ASSERT_TRUE(none.Ok());
    EXPECT_EQ(none.Value().severityCriteria, SeverityCriteria {});
    EXPECT_EQ(SerializeProject(Seed("full.QVR")).Value().severityCriteria, std::nullopt);
}

} // namespace

TEST(SeedFiles, MeasurementSettingsBelongToTheFirstInspection)
{
    const ProjectReadResult read = SerializeProject(Seed("measurement.QVR"));
    ASSERT_TRUE(read.Ok());
    const MeasurementSettings& settings = read.Value().SelectionAt(0)->measurement;
    EXPECT_EQ(settings.palette, PaletteKind::Rainbow);
    EXPECT_EQ(settings.spots, (std::vector<QPoint> {{10, 20}, {150, 100}}));
    EXPECT_EQ(settings.boxes, (std::vector<QRect> {QRect(30, 40, 50, 60)}));
}
