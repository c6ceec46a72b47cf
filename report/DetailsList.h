#pragma once

#include "InspectionDetails.h"

#include <vector>

// The inspection data records in report order, with the 1-based position of the one shown
// (0 when none is). The position always stays within 0..Count().
class DetailsList
{
public:
    int Count() const { return int(records.size()); }

    // The record at a 0-based index; nullptr outside 0..Count()-1.
    const InspectionDetails* DetailsAt(int index) const;
    InspectionDetails* DetailsAt(int index);

    void AppendDetails(const InspectionDetails& details);
    // Deletes the record at `index`; an index outside the list does nothing.
    void RemoveDetails(int index);
    // Moves the record at `from` to index `to`, the others closing up; the current position stays
    // on the record it showed. False, changing nothing, when either index is outside the list.
    bool MoveDetails(int from, int to);
    // Deletes every record and returns how many remain.
    int RemoveAllDetails();

    int CurrentPosition() const { return currentPosition; }
    // Clamped into 0..Count().
    void SetCurrentPosition(int position);

    const std::vector<InspectionDetails>& Records() const { return records; }

    bool operator==(const DetailsList&) const = default;

private:
    std::vector<InspectionDetails> records;
    int currentPosition = 0;
};
