#pragma once

#include "snapshot/TemperatureUnit.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <utility>

// The arguments after a command's name: plain file names, and options written as
// "--name value" or "--name=value", each kind in the order given.
struct CommandArguments
{
    QStringList files;
    QList<std::pair<QString, QString>> options;
    QString error; // an option given without its value
};

// Splits the arguments that follow arguments.first(), the command itself. The options named in
// `flags` take no value: they are listed with an empty one unless written "--name=value".
CommandArguments SplitCommandArguments(const QStringList& arguments, const QStringList& flags = {});

// "c", "f" or "k", in either case.
std::optional<TemperatureUnit> UnitNamed(const QString& value);
