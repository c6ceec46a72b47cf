#pragma once

#include <QStringList>

// Collects what Qt's JPEG decoder logs on this thread while it lives. A JPEG with corrupt or
// missing data still decodes (grey where data was lost): only the decoder's log tells. The
// collected messages are kept from the program's own log.
class DecodeWarnings
{
public:
    DecodeWarnings();
    ~DecodeWarnings();
    DecodeWarnings(const DecodeWarnings&) = delete;
    DecodeWarnings& operator=(const DecodeWarnings&) = delete;

    const QStringList& Messages() const { return messages; }

private:
    friend void CollectDecodeWarning(QtMsgType, const QMessageLogContext&, const QString&);

    QStringList messages;
    DecodeWarnings* outer;
};
