#include "ExtensionEntry.h"

#include <QStringDecoder>

std::optional<QString> EntryReader::ReadText()
{
    const auto length = in.Read<quint32>();
    const auto bytes = length ? in.Take(*length) : std::nullopt;
    if (!bytes) {
        return std::nullopt;
    }
    // A leading byte order mark is part of the text, so that it is written back as it was read.
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
    QString text = decoder.decode(*bytes);
    if (decoder.hasError()) {
        return std::nullopt;
    }
    return text;
}

void EntryWriter::WriteText(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    out.Write<quint32>(quint32(bytes.size()));
    out.Append(bytes);
}
