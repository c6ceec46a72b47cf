#include "SeverityCriteria.h"

#include <cmath>
#include <limits>

namespace {

constexpr double FahrenheitPerKelvin = 1.8;
// A bound given with one decimal in one unit lands a hair off the tenths of the other (10 °F is
// 5.5555556 K as a float32): a bound that close to a tenth counts as that tenth.
constexpr double TenthTolerance = 1e-3;
constexpr float AddedClassSpan = 5.0f;

// The bound in whole tenths of `unit`: a difference printed with this many tenths or fewer is in.
double BoundTenths(float kelvin, TemperatureUnit unit)
{
    const double tenths = DifferenceInUnit(kelvin, unit) * 10.0;
    const double nearest = std::round(tenths);
    return std::fabs(tenths - nearest) < TenthTolerance ? nearest : std::floor(tenths);
}

} // namespace

std::optional<CriteriaProblem> CheckCriteria(const SeverityCriteria& criteria)
{
    const int count = int(criteria.classes.size());
    if (criteria.kind == SeverityKind::None) {
        return count == 0 ? std::nullopt : std::optional(CriteriaProblem {CriteriaProblem::ClassCount, 0});
    }
    if (count < 1 || count > MaxSeverityClasses) {
        return CriteriaProblem {CriteriaProblem::ClassCount, 0};
    }
    float below = 0.0f;
    for (int index = 0; index < count; ++index) {
        const SeverityClass& entry = criteria.classes[size_t(index)];
        const bool last = index == count - 1;
        // "Not above" rather than "below", so that a NaN bound is refused too.
        if (!(entry.upperBound > below)) {
            return CriteriaProblem {CriteriaProblem::BoundsNotRising, index};
        }
        if (std::isinf(entry.upperBound) != last) {
            return CriteriaProblem {CriteriaProblem::LastBoundNotOpen, index};
        }
        if (entry.name.trimmed().isEmpty()) {
            return CriteriaProblem {CriteriaProblem::NameEmpty, index};
        }
        if (entry.priority < LowestSuggestedPriority || entry.priority > HighestSuggestedPriority) {
            return CriteriaProblem {CriteriaProblem::PriorityOutOfRange, index};
        }
        below = entry.upperBound;
    }
    return std::nullopt;
}

qint64 PrintedTenths(float difference)
{
    // The digits the page and the report print, so that the class always agrees with the number shown.
    QString text = QString::number(std::fabs(double(difference)), 'f', 1);
    text.remove(QLatin1Char('.'));
    bool ok = false;
    const qint64 tenths = text.toLongLong(&ok);
    // Beyond any bound when it does not fit: only an absurd difference is that large.
    return ok ? tenths : std::numeric_limits<qint64>::max();
}

double DifferenceInUnit(double kelvin, TemperatureUnit unit)
{
    return unit == TemperatureUnit::Fahrenheit ? kelvin * FahrenheitPerKelvin : kelvin;
}

double KelvinFromUnit(double difference, TemperatureUnit unit)
{
    return unit == TemperatureUnit::Fahrenheit ? difference / FahrenheitPerKelvin : difference;
}

std::optional<int> GradeDifference(const SeverityCriteria& criteria, float difference, TemperatureUnit unit)
{
    if (criteria.kind == SeverityKind::None || CheckCriteria(criteria) || !std::isfinite(difference)) {
        return std::nullopt;
    }
    const qint64 printed = PrintedTenths(difference);
    const int count = int(criteria.classes.size());
    for (int index = 0; index < count - 1; ++index) {
        if (double(printed) <= BoundTenths(criteria.classes[size_t(index)].upperBound, unit)) {
            return index;
        }
    }
    return count - 1;
}

const SeverityClass* ClassOfDifference(const SeverityCriteria& criteria, float difference, TemperatureUnit unit)
{
    const auto index = GradeDifference(criteria, difference, unit);
    return index ? &criteria.classes[size_t(*index)] : nullptr;
}

bool AddSeverityClass(SeverityCriteria& criteria)
{
    auto& classes = criteria.classes;
    if (classes.empty() || int(classes.size()) >= MaxSeverityClasses) {
        return false;
    }
    const bool belowExists = classes.size() >= 2;
    const SeverityClass& below = classes[classes.size() - (belowExists ? 2 : 1)];
    SeverityClass added;
    added.upperBound = (belowExists ? below.upperBound : 0.0f) + AddedClassSpan;
    added.priority = belowExists ? below.priority : LowestSuggestedPriority;
    classes.insert(classes.end() - 1, added);
    return true;
}

bool RemoveSeverityClass(SeverityCriteria& criteria, int index)
{
    auto& classes = criteria.classes;
    if (index < 0 || index >= int(classes.size()) || classes.size() < 2) {
        return false;
    }
    classes.erase(classes.begin() + index);
    classes.back().upperBound = std::numeric_limits<float>::infinity();
    return true;
}
