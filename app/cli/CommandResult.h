#pragma once

#include "snapshot/Result.h"

// Why a command-line mode failed, numbered as the exit status the program ends with.
enum class CommandError {
    FileProblem = 2, // a file that cannot be used, an output that cannot be written
    Usage = 64, // the arguments do not make a request
};

// Done, or the failure with one line naming the file and the reason.
using CommandResult = Result<Done, CommandError>;

// The exit status of a command's result: 0 when done.
inline int ExitStatusOf(const CommandResult& result)
{
    return result.Ok() ? 0 : int(*result.Error());
}

inline CommandResult FileProblem(const QString& file, const QString& reason)
{
    return CommandResult::Failure(CommandError::FileProblem, QStringLiteral("%1: %2").arg(file, reason));
}
