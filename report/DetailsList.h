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
