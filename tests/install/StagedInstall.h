#pragma once

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// Helpers of the install checks: running tools, and the tree `cmake --install` stages.

struct ToolRun
{
    int status = -1;
    QByteArray out;
    QByteArray err;
};

// Runs `program` to its end (at most `seconds`); status -1 when it could not start or crashed.
ToolRun RunTool(const QString& program,
                const QStringList& arguments,
                const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment(),
                int seconds = 300);

// The build installed with prefix /usr into `destdir`; the result of cmake --install.
ToolRun InstallInto(const QString& destdir);

// Every file below `folder`, as sorted paths relative to it.
QStringList FilesBelow(const QString& folder);

// The files the install puts below the prefix, sorted.
QStringList ExpectedInstalledFiles();
