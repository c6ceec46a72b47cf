#include "TemperatureCsv.h"

#include "TemperatureUnits.h"

#include "snapshot/SnapshotUnit.h"
#include "snapshot/cQVX.h"

QByteArray TemperatureCsv(cQVX& snapshot, TemperatureUnit unit)
{
    const std::vector<qint32>& raw = snapshot.Raw();
    if (raw.size() != std::size_t(cQVX::PixelCount)) {
        return {};
    }
    UseTemperatureUnit(snapshot, unit);
    const double emissivity = snapshot.emissivity / 100.0;

    QByteArray csv;
    csv.reserve(cQVX::PixelCount * 8);
    for (int row = cQVX::Height - 1; row >= 0; --row) {
        for (int column = 0; column < cQVX::Width; ++column) {
            if (column > 0) {
                csv += ',';
            }
            const double temperature = snapshot.ToTemperature(raw[std::size_t(row) * cQVX::Width + column], emissivity);
            QByteArray text = QByteArray::number(temperature, 'f', 2);
            if (text == "-0.00") {
                text = "0.00";
            }
            csv += text;
        }
        csv += '\n';
    }
    return csv;
}
