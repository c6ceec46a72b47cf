#include "DetailsList.h"

#include "MoveElement.h"

#include <algorithm>

const InspectionDetails* DetailsList::DetailsAt(int index) const
{
    return index >= 0 && index < Count() ? &records[size_t(index)] : nullptr;
}

InspectionDetails* DetailsList::DetailsAt(int index)
{
    return index >= 0 && index < Count() ? &records[size_t(index)] : nullptr;
}

void DetailsList::AppendDetails(const InspectionDetails& details)
{
    records.push_back(details);
}

void DetailsList::RemoveDetails(int index)
{
    if (index < 0 || index >= Count()) {
        return;
    }
    records.erase(records.begin() + index);
    SetCurrentPosition(currentPosition);
}

bool DetailsList::MoveDetails(int from, int to)
{
    if (from < 0 || from >= Count() || to < 0 || to >= Count()) {
        return false;
    }
    MoveElement(records, from, to);
    // Positions are 1-based; the shown record may be the moved one or one of those it passed.
    const int shown = currentPosition - 1;
    if (shown == from) {
        currentPosition = to + 1;
    } else if (from < shown && shown <= to) {
        --currentPosition;
    } else if (to <= shown && shown < from) {
        ++currentPosition;
    }
    return true;
}

int DetailsList::RemoveAllDetails()
{
    records.clear();
    currentPosition = 0;
    return Count();
}

void DetailsList::SetCurrentPosition(int position)
{
    currentPosition = std::clamp(position, 0, Count());
}
