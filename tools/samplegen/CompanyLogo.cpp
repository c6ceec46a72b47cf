#include "CompanyLogo.h"

#include <QDir>
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QSaveFile>

namespace {

constexpr QSize LogoSize(900, 300);

void DrawEmblem(QPainter& painter, const QRectF& box)
{
    // A rounded square filled from cool blue at the bottom to a hot yellow at the top, the way a
    // false-colour picture reads, crossed by a white thermometer.
    QLinearGradient heat(box.bottomLeft(), box.topLeft());
    heat.setColorAt(0.0, QColor(30, 40, 160));
    heat.setColorAt(0.45, QColor(200, 30, 90));
    heat.setColorAt(0.75, QColor(245, 120, 20));
    heat.setColorAt(1.0, QColor(255, 230, 60));
    QPainterPath emblem;
    emblem.addRoundedRect(box, box.width() * 0.18, box.height() * 0.18);
    painter.fillPath(emblem, heat);

    const QPointF centre = box.center();
    const qreal stem = box.width() * 0.11;
    QPainterPath thermometer;
    thermometer.addRoundedRect(
        QRectF(centre.x() - stem / 2, box.top() + box.height() * 0.14, stem, box.height() * 0.62), stem / 2, stem / 2);
    thermometer.addEllipse(QPointF(centre.x(), box.top() + box.height() * 0.74), stem * 1.1, stem * 1.1);
    painter.fillPath(thermometer.simplified(), Qt::white);
}

} // namespace

QImage DrawCompanyLogo()
{
    QImage logo(LogoSize, QImage::Format_RGB32);
    logo.fill(Qt::white);
    QPainter painter(&logo);
    painter.setRenderHint(QPainter::Antialiasing);
    DrawEmblem(painter, QRectF(30, 30, 240, 240));

    QFont name(QStringLiteral("Arial"));
    name.setPixelSize(78);
    name.setBold(true);
    painter.setFont(name);
    painter.setPen(QColor(35, 45, 70));
    painter.drawText(QRectF(300, 40, 590, 120), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("NORTHFIELD"));
    QFont line(QStringLiteral("Arial"));
    line.setPixelSize(40);
    painter.setFont(line);
    painter.setPen(QColor(200, 60, 40));
    painter.drawText(QRectF(304, 160, 590, 80), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Facilities Ltd"));
    painter.fillRect(QRectF(304, 245, 560, 6), QColor(245, 120, 20));
    return logo;
}

QString WriteCompanyLogo(const QString& folder, QString& error)
{
    const QDir logoFolder(QDir(folder).filePath(QStringLiteral("logo")));
    if (!logoFolder.mkpath(QStringLiteral("."))) {
        error = QStringLiteral("%1: cannot create the folder").arg(logoFolder.path());
        return {};
    }
    const QString path = logoFolder.filePath(QStringLiteral("company-logo.jpg"));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !DrawCompanyLogo().save(&file, "jpg", 92) || !file.commit()) {
        error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return {};
    }
    return path;
}
