#include "app/text/TextFits.h"

#include <QList>

#include <algorithm>

namespace {

qsizetype LongestWord(QString text)
{
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    qsizetype longest = 0;
    for (const auto& word : QStringView(text).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        longest = std::max(longest, word.size());
    }
    return longest;
}

} // namespace

bool TextFits(const QString& text, int width, int lines)
{
    if (text.size() > qsizetype(lines) * (width + 1) - 1) {
        return false;
    }
    if (LongestWord(text) > width) {
        return false;
    }
    // A carriage return and line feed pair counts as one break.
    const qsizetype breaks = std::max(text.count(QLatin1Char('\n')), text.count(QLatin1Char('\r')));
    return breaks <= lines - 1;
}
