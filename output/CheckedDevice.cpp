#include "CheckedDevice.h"

CheckedDevice::CheckedDevice(QIODevice& target)
    : target(target)
{
    open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

qint64 CheckedDevice::readData(char*, qint64)
{
    return -1;
}

qint64 CheckedDevice::writeData(const char* data, qint64 size)
{
    if (failed) {
        return -1;
    }
    const qint64 result = target.write(data, size);
    if (result != size) {
        failed = true;
        return -1;
    }
    return size;
}
