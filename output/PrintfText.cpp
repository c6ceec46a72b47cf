#include "PrintfText.h"

QString FillPlaceholders(const QString& format, const QStringList& values)
{
    QString text;
    int next = 0;
    for (int index = 0; index < format.size(); ++index) {
        const QChar c = format[index];
        if (c != QLatin1Char('%') || index + 1 == format.size()) {
            text += c;
            continue;
        }
        const QChar kind = format[index + 1];
        if (kind == QLatin1Char('d') || kind == QLatin1Char('s')) {
            text += next < values.size() ? values[next] : QString();
            ++next;
            ++index;
        } else if (kind == QLatin1Char('%')) {
            text += c;
            ++index;
        } else {
            text += c;
        }
    }
    return text;
}
