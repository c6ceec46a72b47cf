#include "pages/pictures/DibImage.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    DibImage dib;
    if (dib.LoadBmpBytes(QByteArrayView(data, qsizetype(size)))) {
        const QImage image = dib.ToImage();
        if (!image.isNull() && (image.width() != dib.Width() || image.height() != dib.Height())) {
            __builtin_trap();
        }
    }
    return 0;
}
