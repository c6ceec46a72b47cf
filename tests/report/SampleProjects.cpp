#include "SampleProjects.h"

#include <bit>

ReportProject FullProject(int inspections, int strokesEach)
{
    ReportProject project;
    project.title.logoPath = "/logos/Fähre & Söhne.jpg";
    project.title.company = "Ärzte-Wärme GmbH — 北";
    project.title.author = "Zoë O'Brien";
    project.title.showDate = false;
    project.title.date = {39224.5, OleDate::Valid};
    project.title.generalComments = "Line one\r\nLine two µ°\r\n\tend";
    for (int i = 0; i < inspections; ++i) {
        const QString n = QString::number(i + 1);
        InspectionSelection selection;
        selection.snapshotPath = "/data/snap " + n + ".qvx";
        selection.imagePath = i % 2 ? QString() : "/data/photo é" + n + ".jpg";
        for (int s = 0; s < strokesEach; ++s) {
            selection.strokes.push_back({i + s, -s, 522 - s, 200 + i, 1 + s % 9, 0x00FF00 + s});
        }
        InspectionDetails details;
        details.name = "Schaltschrank " + n;
        details.operatorName = "Björn " + n;
        details.location = "Halle " + n;
        details.equipment = "Trafo " + n;
        details.comment = "Heiß!\r\nBitte prüfen " + n;
        details.measuredLoad = "85 A";
        details.ratedLoad = "100 A";
        details.loadPercent = "85";
        details.repairPriority = i % 6;
        details.faultAction = "Klemme nachziehen " + n;
        details.inspectedDate = {39224.25 + i, OleDate::Valid};
        details.repairedDate = {39300.0, OleDate::Invalid};
        details.reinspectedDate = {-1.25, OleDate::Null};
        details.inspectedSet = true;
        details.repairedSet = i % 2 == 0;
        details.reinspectedSet = false;
        details.inspectedInitials = "AB";
        details.repairedInitials = "ÇD";
        details.reinspectedInitials = "EF" + n;
        details.cursorA = i % 4;
        details.cursorB = -1;
        details.indoorTemperature = "21,5";
        details.outdoorTemperature = "-3";
        details.humidity = "45";
        details.windSpeed = "12";
        details.pressureDifference = "0,5";
        details.materialCondition = i % 3;
        project.AppendInspection(selection, details);
    }
    return project;
}

namespace Layout {

QByteArray Int32(qint32 value)
{
    const auto bits = quint32(value);
    QByteArray bytes;
    for (int shift = 0; shift < 32; shift += 8) {
        bytes.append(char((bits >> shift) & 0xFF));
    }
    return bytes;
}

QByteArray Float32(float value)
{
    return Int32(qint32(std::bit_cast<quint32>(value)));
}

QByteArray Float64(double value)
{
    const auto bits = std::bit_cast<quint64>(value);
    return Int32(qint32(quint32(bits))) + Int32(qint32(quint32(bits >> 32)));
}

QByteArray Date(qint32 status, double value)
{
    return Int32(status) + Float64(value);
}

QByteArray Wide(const QString& text)
{
    QByteArray bytes("\xFF\xFE\xFF", 3);
    bytes.append(char(text.size()));
    for (QChar c : text) {
        bytes.append(char(c.unicode() & 0xFF));
        bytes.append(char(c.unicode() >> 8));
    }
    return bytes;
}

QByteArray Narrow(const QByteArray& text)
{
    return char(text.size()) + text;
}

} // namespace Layout
