#pragma once

#include <QByteArrayView>
#include <QString>

// Text from the Windows-1252 code page, the narrow encoding of older project files. The five
// bytes the code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the control
// characters of the same value, as the system's own conversion does.
QString DecodeWindows1252(QByteArrayView bytes);
