#include "CommandArguments.h"

CommandArguments SplitCommandArguments(const QStringList& arguments, const QStringList& flags)
{
    CommandArguments split;
    for (int i = 1; i < arguments.size(); ++i) {
        QString argument = arguments[i];
        if (!argument.startsWith(QLatin1String("--"))) {
            split.files << argument;
            continue;
        }
        QString value;
        const qsizetype equals = argument.indexOf(QLatin1Char('='));
        if (equals >= 0) {
            value = argument.mid(equals + 1);
            argument.truncate(equals);
        } else if (flags.contains(argument)) {
            // A flag stands alone.
        } else if (i + 1 < arguments.size()) {
            value = arguments[++i];
        } else {
            split.error = QStringLiteral("%1 needs a value").arg(argument);
            return split;
        }
        split.options.append({argument, value});
    }
    return split;
}

std::optional<TemperatureUnit> UnitNamed(const QString& value)
{
    const QString unit = value.toLower();
    if (unit == QLatin1String("c")) {
        return TemperatureUnit::Celsius;
    }
    if (unit == QLatin1String("f")) {
        return TemperatureUnit::Fahrenheit;
    }
    if (unit == QLatin1String("k")) {
        return TemperatureUnit::Kelvin;
    }
    return std::nullopt;
}
