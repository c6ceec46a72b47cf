#include "TypedUnits.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace {

constexpr double KilometresPerMile = 1.609344;

struct TypedNumber
{
    double value = 0.0;
    int decimals = 0;
    QChar separator = u'.';
};

std::optional<TypedNumber> ReadTypedNumber(const QString& text)
{
    static const QRegularExpression number(QStringLiteral("^([+-]?)([0-9]*)(?:([.,])([0-9]*))?$"));
    const QRegularExpressionMatch match = number.match(text.trimmed());
    const QString whole = match.captured(2);
    const QString fraction = match.captured(4);
    if (!match.hasMatch() || (whole.isEmpty() && fraction.isEmpty())) {
        return std::nullopt;
    }
    TypedNumber typed;
    typed.decimals = int(fraction.size());
    if (!match.captured(3).isEmpty()) {
        typed.separator = match.captured(3).front();
    }
    const QString zero = QStringLiteral("0");
    const QString plain =
        match.captured(1) + (whole.isEmpty() ? zero : whole) + u'.' + (fraction.isEmpty() ? zero : fraction);
    bool ok = false;
    typed.value = plain.toDouble(&ok);
    if (!ok || !std::isfinite(typed.value)) {
        return std::nullopt;
    }
    return typed;
}

QString NumberText(double value, int typedDecimals, QChar separator)
{
    QString text = QString::number(value, 'f', std::max(typedDecimals, 1));
    while (text.endsWith(u'0') && text.contains(u'.')) {
        text.chop(1);
    }
    if (text.endsWith(u'.')) {
        text.chop(1);
    }
    // A value that rounds to nothing is written without a sign.
    if (text.startsWith(u'-') &&
        std::none_of(text.begin(), text.end(), [](QChar c) { return c >= u'1' && c <= u'9'; })) {
        text.remove(0, 1);
    }
    return text.replace(u'.', separator);
}

double Converted(double value, TypedQuantity quantity, bool toFahrenheit)
{
    if (quantity == TypedQuantity::Temperature) {
        return toFahrenheit ? value * 9.0 / 5.0 + 32.0 : (value - 32.0) * 5.0 / 9.0;
    }
    return toFahrenheit ? value / KilometresPerMile : value * KilometresPerMile;
}

} // namespace

QString ConvertTypedValue(const QString& text, TypedQuantity quantity, TemperatureUnit from, TemperatureUnit to)
{
    const bool toFahrenheit = TypedInFahrenheit(to);
    if (TypedInFahrenheit(from) == toFahrenheit) {
        return text;
    }
    const auto typed = ReadTypedNumber(text);
    if (!typed) {
        return text;
    }
    const double value = Converted(typed->value, quantity, toFahrenheit);
    return std::isfinite(value) ? NumberText(value, typed->decimals, typed->separator) : text;
}

void ConvertTypedValues(ReportProject& project, TemperatureUnit from, TemperatureUnit to)
{
    for (int index = 0; index < project.InspectionCount(); ++index) {
        InspectionDetails& record = *project.DetailsAt(index);
        record.indoorTemperature = ConvertTypedValue(record.indoorTemperature, TypedQuantity::Temperature, from, to);
        record.outdoorTemperature = ConvertTypedValue(record.outdoorTemperature, TypedQuantity::Temperature, from, to);
        record.windSpeed = ConvertTypedValue(record.windSpeed, TypedQuantity::WindSpeed, from, to);
    }
}
