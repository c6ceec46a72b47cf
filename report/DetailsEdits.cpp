#include "DetailsEdits.h"

namespace {

template<typename Field>
bool CopyIfChanged(Field InspectionDetails::*field,
                   const InspectionDetails& shown,
                   const InspectionDetails& edited,
                   InspectionDetails& record)
{
    if (shown.*field == edited.*field) {
        return false;
    }
    record.*field = edited.*field;
    return true;
}

constexpr QString InspectionDetails::*TextFields[] = {
    &InspectionDetails::name,
    &InspectionDetails::operatorName,
    &InspectionDetails::location,
    &InspectionDetails::equipment,
    &InspectionDetails::comment,
    &InspectionDetails::measuredLoad,
    &InspectionDetails::ratedLoad,
    &InspectionDetails::loadPercent,
    &InspectionDetails::faultAction,
    &InspectionDetails::inspectedInitials,
    &InspectionDetails::repairedInitials,
    &InspectionDetails::reinspectedInitials,
    &InspectionDetails::indoorTemperature,
    &InspectionDetails::outdoorTemperature,
    &InspectionDetails::humidity,
    &InspectionDetails::windSpeed,
    &InspectionDetails::pressureDifference,
};

constexpr qint32 InspectionDetails::*ChoiceFields[] = {
    &InspectionDetails::repairPriority,
    &InspectionDetails::materialCondition,
};

constexpr bool InspectionDetails::*DateFlags[] = {
    &InspectionDetails::inspectedSet,
    &InspectionDetails::repairedSet,
    &InspectionDetails::reinspectedSet,
};

constexpr OleDate InspectionDetails::*Dates[] = {
    &InspectionDetails::inspectedDate,
    &InspectionDetails::repairedDate,
    &InspectionDetails::reinspectedDate,
};

} // namespace

bool CopyChangedFields(const InspectionDetails& shown, const InspectionDetails& edited, InspectionDetails& record)
{
    bool changed = false;
    for (auto field : TextFields) {
        changed |= CopyIfChanged(field, shown, edited, record);
    }
    for (auto field : ChoiceFields) {
        changed |= CopyIfChanged(field, shown, edited, record);
    }
    // The two cursors are one choice: the pair the user saw is the pair kept.
    if (shown.cursorA != edited.cursorA || shown.cursorB != edited.cursorB) {
        record.cursorA = edited.cursorA;
        record.cursorB = edited.cursorB;
        changed = true;
    }
    for (auto field : DateFlags) {
        changed |= CopyIfChanged(field, shown, edited, record);
    }
    for (auto field : Dates) {
        changed |= CopyIfChanged(field, shown, edited, record);
    }
    return changed;
}

bool HasTypedData(const InspectionDetails& record)
{
    for (auto field : TextFields) {
        if (!(record.*field).isEmpty()) {
            return true;
        }
    }
    for (auto field : DateFlags) {
        if (record.*field) {
            return true;
        }
    }
    return record.repairPriority != 0 || record.materialCondition != 0;
}
