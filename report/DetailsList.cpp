#include "DetailsList.h"

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
