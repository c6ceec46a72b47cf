#pragma once

#include "InspectionDetails.h"

// What the user changed on a page that shows a record: the fields in which `edited` differs from
// `shown` (the page's values when it showed the record) are copied into `record`. Every other
// field keeps the exact value it was read with, so that looking at a record never rewrites it.
// The two cursor choices are copied together. Returns whether any field was copied.
bool CopyChangedFields(const InspectionDetails& shown, const InspectionDetails& edited, InspectionDetails& record);

// Whether the user typed or chose anything in the record: a text, a priority, a material
// condition or a date. Cursor choices alone do not count.
bool HasTypedData(const InspectionDetails& record);
