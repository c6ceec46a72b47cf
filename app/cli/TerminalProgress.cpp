#include "TerminalProgress.h"

#include "app/strings/StringIds.h"
#include "app/strings/StringSource.h"
#include "output/PrintfText.h"

#include <QIODevice>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

TerminalProgress::TerminalProgress(QIODevice& terminal)
    : terminal(terminal)
{ }

TerminalProgress::~TerminalProgress()
{
    Finish();
}

bool TerminalProgress::StartingPage(int page, int total)
{
    Show(FillPlaceholders(LoadAppString(StringId::PageOf), {QString::number(page), QString::number(total)}));
    return true;
}

bool TerminalProgress::StartingFile(int file, int total)
{
    Show(FillPlaceholders(LoadAppString(StringId::PackFileOf), {QString::number(file), QString::number(total)}));
    return true;
}

void TerminalProgress::Finish()
{
    if (shownLength > 0) {
        Show(QString());
    }
}

// The device is unbuffered (standard error): each line shows at once. A carriage return goes back to the line's start;
// blanks cover what a longer line left.
void TerminalProgress::Show(const QString& line)
{
    QString text = QLatin1Char('\r') + line;
    if (line.size() < shownLength) {
        text += QString(shownLength - line.size(), QLatin1Char(' ')) + QLatin1Char('\r') + line;
    }
    shownLength = line.size();
    terminal.write(text.toUtf8());
}

bool IsTerminal(std::FILE* stream)
{
#ifdef Q_OS_WIN
    return _isatty(_fileno(stream)) != 0;
#else
    return isatty(fileno(stream)) != 0;
#endif
}
