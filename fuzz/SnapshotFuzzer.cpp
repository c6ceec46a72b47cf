#include "snapshot/SnapshotPicture.h"
#include "snapshot/cQVX.h"

#include <QImage>
#include <QPainter>

#include <cstddef>
#include <cstdint>

// Reads the input as a snapshot file and runs everything a caller may do with it afterwards.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    cQVX snapshot;
    snapshot.LoadFromBytes(QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));
    snapshot.CaptureDateText();
    snapshot.CaptureTimeText();
    if (!snapshot.valid) {
        return 0;
    }
    if (snapshot.LoadPixels(cQVX::Width, cQVX::Height)) {
        for (const quint8 unit : {snapshot.celsiusCode, snapshot.fahrenheitCode, snapshot.kelvinCode}) {
            snapshot.unitCode = unit;
            for (int index = 0; index < cQVX::MaxMarkers; ++index) {
                snapshot.MarkerTemperature(index);
            }
            snapshot.MarkerDifference(0, snapshot.markerCount - 1);
        }
        int low = 0;
        int high = 0;
        snapshot.AutoDisplayRange(low, high);
        snapshot.Render(cQVX::Width, cQVX::Height, 1, low, high);
    }
    QImage picture = RenderPicture(snapshot);
    if (!picture.isNull()) {
        QPainter painter(&picture);
        snapshot.DrawMarkers(&painter, picture.rect());
        cQVX::DrawCentreMark(&painter, picture.rect());
    }
    return 0;
}
