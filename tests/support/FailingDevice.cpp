#include "FailingDevice.h"

#include <algorithm>

FailingDevice::FailingDevice(qint64 capacity, Failure failure)
    : capacity(capacity)
    , failure(failure)
{
    open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

qint64 FailingDevice::readData(char*, qint64)
{
    return -1;
}

qint64 FailingDevice::writeData(const char* data, qint64 size)
{
    const qint64 room = capacity - written.size();
    if (size > room && (failure == Error || room == 0)) {
        return -1;
    }
    const qint64 taken = std::min(size, room);
    written.append(data, taken);
    return taken;
}
