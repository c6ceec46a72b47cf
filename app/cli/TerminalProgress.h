#pragma once

#include "output/ReportProgress.h"

#include <QString>

#include <cstdio>

class QIODevice;

// A report run's or a pack's progress as one line on a terminal, rewritten for every page ("Page 37 of 102")
// and erased when the run is over, so that what the command prints afterwards stands alone.
class TerminalProgress : public ReportProgress
{
public:
    explicit TerminalProgress(QIODevice& terminal);
    ~TerminalProgress() override;
    TerminalProgress(const TerminalProgress&) = delete;
    TerminalProgress& operator=(const TerminalProgress&) = delete;

    bool StartingPage(int page, int total) override;
    // A pack's progress: "File 3 of 40".
    bool StartingFile(int file, int total);
    // Erases the line; the destructor does it too.
    void Finish();

private:
    void Show(const QString& line);

    QIODevice& terminal;
    qsizetype shownLength = 0;
};

// Whether `stream` is a terminal a person watches rather than a file or a pipe.
bool IsTerminal(std::FILE* stream);
