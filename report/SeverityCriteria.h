#pragma once

#include "snapshot/TemperatureUnit.h"

#include <QString>

#include <optional>
#include <vector>

// The table a project grades its findings by. Each finding's temperature rise, |ΔT| between the
// two chosen cursors, falls into one class of the table, which names the finding, says what to do
// about it and suggests a repair priority. Bounds are kept in kelvin; a difference in °F is 1.8
// times the kelvin value.

enum class SeverityKind : quint32 {
    None = 0, // no grading: nothing on the page, in the report or in the tracking table changes
    SimilarComponents = 1,
    OverAmbient = 2, // cursor 2 is the ambient reference
    Custom = 3,
};
constexpr SeverityKind LastSeverityKind = SeverityKind::Custom;

constexpr int MaxSeverityClasses = 5;
constexpr quint32 LowestSuggestedPriority = 1;
constexpr quint32 HighestSuggestedPriority = 5;

struct SeverityClass
{
    // The largest rise in kelvin that still belongs to the class (inclusive); +infinity for the last.
    float upperBound = 0.0f;
    QString name;
    QString action;
    quint32 priority = LowestSuggestedPriority; // the repair priority it suggests, 1 low to 5 high

    bool operator==(const SeverityClass&) const = default;
};

struct SeverityCriteria
{
    SeverityKind kind = SeverityKind::None;
    std::vector<SeverityClass> classes; // none for None; one to five, lowest first, otherwise

    bool operator==(const SeverityCriteria&) const = default;
};

// What makes a table unusable, and the 0-based class it was found in.
struct CriteriaProblem
{
    enum Kind {
        ClassCount, // None with classes, or another kind without one to five classes
        BoundsNotRising, // a bound not above the one before (the first not above zero), or not a number
        LastBoundNotOpen, // only the last class is open-ended, and it must be
        NameEmpty, // a name of nothing but white space
        PriorityOutOfRange, // a suggested priority outside 1..5
    };
    Kind kind;
    int classIndex;

    bool operator==(const CriteriaProblem&) const = default;
};

// The first problem of `criteria`, or nothing when it can grade.
std::optional<CriteriaProblem> CheckCriteria(const SeverityCriteria& criteria);

// A difference as the page and the report print it ("%.1f"), in tenths of a degree, without its sign.
qint64 PrintedTenths(float difference);

// A rise given in kelvin, in `unit` (°F: 1.8 times), and back. Differences carry no offset.
double DifferenceInUnit(double kelvin, TemperatureUnit unit);
double KelvinFromUnit(double difference, TemperatureUnit unit);

// The 0-based class of `difference` (a difference of two temperatures in `unit`): the first class
// whose bound, in the same unit, the difference as printed with one decimal does not exceed. The
// tables give whole degrees, so with a bound of 3 K a printed 3.0 is in that class and 3.1 or 3.5
// in the next. Nothing with None or a table that cannot grade.
std::optional<int> GradeDifference(const SeverityCriteria& criteria, float difference, TemperatureUnit unit);

// The class of `difference`, or nullptr when there is none.
const SeverityClass* ClassOfDifference(const SeverityCriteria& criteria, float difference, TemperatureUnit unit);

// Editing a custom table. Adds a class just below the open-ended last one, 5 K above the bound
// below it, without a name and with the priority of the class below; false at five classes.
bool AddSeverityClass(SeverityCriteria& criteria);
// Removes class `index`; when that was the last, the one below it becomes open-ended. False when
// `index` is outside the table or only one class is left.
bool RemoveSeverityClass(SeverityCriteria& criteria, int index);
