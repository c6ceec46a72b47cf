#pragma once

#include <QIODevice>

// A write-only device that takes `capacity` bytes and then fails: either by reporting an error
// or by taking part of a write and reporting the short count, as a full disk does.
class FailingDevice : public QIODevice
{
public:
    enum Failure {
        Error,
        ShortWrite,
    };

    FailingDevice(qint64 capacity, Failure failure);

    const QByteArray& Written() const { return written; }

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 size) override;

private:
    qint64 capacity;
    Failure failure;
    QByteArray written;
};
