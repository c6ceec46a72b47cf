#pragma once

#include <QIODevice>

// Passes every write on to another device and remembers whether any of them came up short,
// since the PDF writer does not look at the results of its own writes.
class CheckedDevice : public QIODevice
{
public:
    explicit CheckedDevice(QIODevice& target);

    bool Failed() const { return failed; }

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 size) override;

private:
    QIODevice& target;
    bool failed = false;
};
