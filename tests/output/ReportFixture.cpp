#include "ReportFixture.h"

#include "output/PrintReport.h"

#include "snapshot/cQVX.h"

#include <QFile>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include <gtest/gtest.h>

namespace {

QString Run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << program.toStdString();
    EXPECT_EQ(process.exitCode(), 0) << program.toStdString() << ": " << process.readAllStandardError().toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString InfoField(const QString& info, const QString& field)
{
    for (const QString& line : info.split(QLatin1Char('\n'))) {
        if (line.startsWith(field + QLatin1Char(':'))) {
            return line.mid(field.size() + 1).trimmed();
        }
    }
    return {};
}

} // namespace

ReportFixture::ReportFixture() = default;

QString ReportFixture::WriteFile(const QString& name, const QByteArray& bytes)
{
    const QString path = PathOf(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path;
}

QString ReportFixture::WriteSnapshot(const QString& name, std::vector<SnapshotMarker> markers)
{
    SnapshotFileFields fields;
    fields.markers = std::move(markers);
    return WriteSnapshotFile(name, fields);
}

QString ReportFixture::WriteSnapshotFile(const QString& name, SnapshotFileFields fields, int offset)
{
    if (fields.pixelStream.empty()) {
        std::vector<qint32> raw(cQVX::Width * cQVX::Height);
        for (int y = 0; y < cQVX::Height; ++y) {
            for (int x = 0; x < cQVX::Width; ++x) {
                raw[y * cQVX::Width + x] = 200 + offset + x * 2 + y;
            }
        }
        fields.pixelStream = EncodePixelStream(raw);
    }
    return WriteFile(name, ::WriteSnapshotFile(fields));
}

QString ReportFixture::WritePhoto(const QString& name, QSize size, QColor colour, const char* format)
{
    QImage photo(size, QImage::Format_RGB32);
    photo.fill(colour);
    const QString path = PathOf(name);
    EXPECT_TRUE(photo.save(path, format));
    return path;
}

ReportProject ReportFixture::Project(int inspections, const QString& snapshotPath, const QString& imagePath)
{
    ReportProject project = NewReportProject(QDateTime(QDate(2007, 5, 22), QTime(10, 30)));
    project.title.company = QStringLiteral("Acme Thermal");
    project.title.author = QStringLiteral("Jane Doe");
    for (int i = 0; i < inspections; ++i) {
        InspectionDetails details;
        details.name = QStringLiteral("Item %1").arg(i + 1);
        details.location = QStringLiteral("Hall %1").arg(i + 1);
        details.equipment = QStringLiteral("Pump %1").arg(i + 1);
        details.faultAction = QStringLiteral("Fault %1").arg(i + 1);
        details.operatorName = QStringLiteral("Joe Bloggs");
        details.measuredLoad = QStringLiteral("40 A");
        details.ratedLoad = QStringLiteral("100 A");
        details.loadPercent = QStringLiteral("40");
        details.indoorTemperature = QStringLiteral("21");
        details.outdoorTemperature = QStringLiteral("4");
        details.humidity = QStringLiteral("55");
        details.windSpeed = QStringLiteral("12");
        details.pressureDifference = QStringLiteral("0.5");
        details.materialCondition = 2;
        details.inspectedSet = true;
        details.inspectedDate = OleDateFromDateTime(QDateTime(QDate(2007, 5, 22), QTime(8, 0)));
        details.inspectedInitials = QStringLiteral("JB");
        details.repairedDate = OleDateFromDateTime(QDateTime(QDate(2007, 6, 1), QTime(8, 0)));
        details.repairPriority = i % 6;
        details.cursorA = 1;
        details.cursorB = 2;
        project.AppendInspection({snapshotPath, imagePath, {}}, details);
    }
    return project;
}

QString ReportFixture::WriteReport(const QString& name, const ReportProject& project, ReportOptions options)
{
    struct Outcome : ReportNotifications
    {
        void FileSaved(const QString& path) override { saved = path; }
        void PrintFailed(int, const QString&) override { }
        QString saved;
    } outcome;
    PrintReport(Folder(), name, project, options, outcome);
    return outcome.saved;
}

PdfFacts ReadPdf(const QString& path)
{
    PdfFacts facts;
    const QString info = Run(QStringLiteral("pdfinfo"), {path});
    facts.pages = InfoField(info, QStringLiteral("Pages")).toInt();
    facts.pageSize = InfoField(info, QStringLiteral("Page size"));
    facts.title = InfoField(info, QStringLiteral("Title"));
    facts.author = InfoField(info, QStringLiteral("Author"));
    facts.subject = InfoField(info, QStringLiteral("Subject"));
    facts.keywords = InfoField(info, QStringLiteral("Keywords"));
    facts.creator = InfoField(info, QStringLiteral("Creator"));
    for (int page = 1; page <= facts.pages; ++page) {
        facts.pageTexts.append(Run(QStringLiteral("pdftotext"),
                                   {QStringLiteral("-f"),
                                    QString::number(page),
                                    QStringLiteral("-l"),
                                    QString::number(page),
                                    QStringLiteral("-layout"),
                                    path,
                                    QStringLiteral("-")}));
    }
    const QStringList fontLines = Run(QStringLiteral("pdffonts"), {path}).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    facts.fonts = fontLines.mid(2);
    return facts;
}

QString DrawnPageText(const QString& path, int page)
{
    QString text = Run(QStringLiteral("pdftotext"),
                       {QStringLiteral("-f"),
                        QString::number(page),
                        QStringLiteral("-l"),
                        QString::number(page),
                        QStringLiteral("-raw"),
                        path,
                        QStringLiteral("-")});
    text.removeIf([](QChar c) { return c.isSpace(); });
    return text;
}

namespace {

QJsonObject ObjectNamed(const QJsonObject& objects, const QString& reference)
{
    return objects.value(QStringLiteral("obj:") + reference).toObject().value(QStringLiteral("value")).toObject();
}

// A destination array names its page by reference: [page /XYZ left top zoom].
int PageOfDestination(const QJsonValue& destination, const QHash<QString, int>& pageNumbers)
{
    return pageNumbers.value(destination.toArray().at(0).toString(), 0);
}

} // namespace

PdfNavigationFacts ReadNavigation(const QString& path)
{
    PdfNavigationFacts facts;
    const QJsonObject json =
        QJsonDocument::fromJson(Run(QStringLiteral("qpdf"), {QStringLiteral("--json=2"), path}).toUtf8()).object();
    const QJsonObject objects = json.value(QStringLiteral("qpdf")).toArray().at(1).toObject();
    QHash<QString, int> pageNumbers;
    const QJsonArray pages = json.value(QStringLiteral("pages")).toArray();
    for (const QJsonValue& page : pages) {
        pageNumbers.insert(page.toObject().value(QStringLiteral("object")).toString(),
                           page.toObject().value(QStringLiteral("pageposfrom1")).toInt());
    }
    for (const QJsonValue& item : json.value(QStringLiteral("outlines")).toArray()) {
        facts.outline.push_back({item.toObject().value(QStringLiteral("title")).toString(),
                                 item.toObject().value(QStringLiteral("destpageposfrom1")).toInt()});
    }
    for (const QJsonValue& page : pages) {
        const QString reference = page.toObject().value(QStringLiteral("object")).toString();
        // The list of annotations may itself be an object of its own.
        const QJsonValue annotations = ObjectNamed(objects, reference).value(QStringLiteral("/Annots"));
        const QJsonArray list = annotations.isString() ? objects.value(QStringLiteral("obj:") + annotations.toString())
                                                             .toObject()
                                                             .value(QStringLiteral("value"))
                                                             .toArray()
                                                       : annotations.toArray();
        for (const QJsonValue& annotation : list) {
            const QJsonObject link = ObjectNamed(objects, annotation.toString());
            if (link.value(QStringLiteral("/Subtype")).toString() != QLatin1String("/Link")) {
                continue;
            }
            const QJsonArray rect = link.value(QStringLiteral("/Rect")).toArray();
            const QPointF first(rect.at(0).toDouble(), rect.at(1).toDouble());
            const QPointF second(rect.at(2).toDouble(), rect.at(3).toDouble());
            facts.links.push_back({pageNumbers.value(reference),
                                   QRectF(first, second).normalized(),
                                   PageOfDestination(link.value(QStringLiteral("/Dest")), pageNumbers)});
        }
    }
    const QJsonObject trailer =
        objects.value(QStringLiteral("trailer")).toObject().value(QStringLiteral("value")).toObject();
    const QJsonObject root = ObjectNamed(objects, trailer.value(QStringLiteral("/Root")).toString());
    facts.pageMode = root.value(QStringLiteral("/PageMode")).toString();
    return facts;
}

QString PdfTextIn(const QString& path, int page, const QRect& area)
{
    // At 300 dots per inch pdftotext's pixels are the layout's page units.
    return Run(QStringLiteral("pdftotext"),
               {QStringLiteral("-f"),
                QString::number(page),
                QStringLiteral("-l"),
                QString::number(page),
                QStringLiteral("-r"),
                QStringLiteral("300"),
                QStringLiteral("-x"),
                QString::number(area.x()),
                QStringLiteral("-y"),
                QString::number(area.y()),
                QStringLiteral("-W"),
                QString::number(area.width()),
                QStringLiteral("-H"),
                QString::number(area.height()),
                QStringLiteral("-layout"),
                path,
                QStringLiteral("-")});
}

QImage RenderPdfPage(const QString& path, int page, int dotsPerInch)
{
    const QString prefix = path + QStringLiteral(".page");
    Run(QStringLiteral("pdftoppm"),
        {QStringLiteral("-f"),
         QString::number(page),
         QStringLiteral("-l"),
         QString::number(page),
         QStringLiteral("-r"),
         QString::number(dotsPerInch),
         QStringLiteral("-png"),
         QStringLiteral("-singlefile"),
         path,
         prefix});
    return QImage(prefix + QStringLiteral(".png"));
}

QString Simplified(const QString& text)
{
    return text.simplified();
}
