#include "SeverityTables.h"

#include "app/strings/StringIds.h"
#include "app/strings/StringSource.h"

#include <limits>

namespace {

constexpr float Open = std::numeric_limits<float>::infinity();

struct BuiltInClass
{
    float upperBound;
    unsigned nameId;
    unsigned actionId;
    quint32 priority;
};

// Whole kelvin, as the tables are published; each bound is the last degree of its class.
constexpr BuiltInClass SimilarComponentsTable[] = {
    {3.0f, StringId::PossibleDeficiency, StringId::WarrantsInvestigation, 2},
    {15.0f, StringId::ProbableDeficiency, StringId::RepairAsTimePermits, 3},
    {Open, StringId::MajorDiscrepancy, StringId::RepairImmediately, 5},
};

constexpr BuiltInClass OverAmbientTable[] = {
    {10.0f, StringId::PossibleDeficiency, StringId::WarrantsInvestigation, 2},
    {20.0f, StringId::ProbableDeficiency, StringId::RepairAsTimePermits, 3},
    {40.0f, StringId::SeriousDeficiency, StringId::MonitorUntilCorrected, 4},
    {Open, StringId::MajorDiscrepancy, StringId::RepairImmediately, 5},
};

template<size_t Count>
std::vector<SeverityClass> Classes(const BuiltInClass (&table)[Count])
{
    std::vector<SeverityClass> classes;
    for (const BuiltInClass& entry : table) {
        classes.push_back(
            {entry.upperBound, LoadAppString(entry.nameId), LoadAppString(entry.actionId), entry.priority});
    }
    return classes;
}

} // namespace

SeverityCriteria BuiltInCriteria(SeverityKind kind)
{
    switch (kind) {
    case SeverityKind::SimilarComponents:
    case SeverityKind::Custom:
        return {kind, Classes(SimilarComponentsTable)};
    case SeverityKind::OverAmbient:
        return {kind, Classes(OverAmbientTable)};
    case SeverityKind::None:
        break;
    }
    return {};
}

QString CriteriaName(SeverityKind kind)
{
    switch (kind) {
    case SeverityKind::SimilarComponents:
        return LoadAppString(StringId::SimilarComponents);
    case SeverityKind::OverAmbient:
        return LoadAppString(StringId::OverAmbient);
    case SeverityKind::Custom:
        return LoadAppString(StringId::CustomCriteria);
    case SeverityKind::None:
        break;
    }
    return LoadAppString(StringId::CriteriaNone);
}
