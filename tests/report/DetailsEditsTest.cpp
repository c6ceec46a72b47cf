#include "report/DetailsEdits.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using Edit = std::function<void(InspectionDetails&)>;

// One change to every field of a record, as a page could make it.
const Edit EveryFieldEdit[] = {
    [](InspectionDetails& r) { r.name = "n"; },
    [](InspectionDetails& r) { r.operatorName = "o"; },
    [](InspectionDetails& r) { r.location = "l"; },
    [](InspectionDetails& r) { r.equipment = "e"; },
    [](InspectionDetails& r) { r.comment = "c"; },
    [](InspectionDetails& r) { r.measuredLoad = "m"; },
    [](InspectionDetails& r) { r.ratedLoad = "r"; },
    [](InspectionDetails& r) { r.loadPercent = "p"; },
    [](InspectionDetails& r) { r.repairPriority = 3; },
    [](InspectionDetails& r) { r.faultAction = "f"; },
    [](InspectionDetails& r) {
        r.inspectedDate = {40000.5, OleDate::Valid};
    },
    [](InspectionDetails& r) {
        r.repairedDate = {40001.5, OleDate::Valid};
    },
    [](InspectionDetails& r) {
        r.reinspectedDate = {40002.5, OleDate::Valid};
    },
    [](InspectionDetails& r) { r.inspectedSet = true; },
    [](InspectionDetails& r) { r.repairedSet = true; },
    [](InspectionDetails& r) { r.reinspectedSet = true; },
    [](InspectionDetails& r) { r.inspectedInitials = "i"; },
    [](InspectionDetails& r) { r.repairedInitials = "j"; },
    [](InspectionDetails& r) { r.reinspectedInitials = "k"; },
    [](InspectionDetails& r) { r.cursorA = 2; },
    [](InspectionDetails& r) { r.cursorB = 0; },
    [](InspectionDetails& r) { r.indoorTemperature = "21"; },
    [](InspectionDetails& r) { r.outdoorTemperature = "-3"; },
    [](InspectionDetails& r) { r.humidity = "45"; },
    [](InspectionDetails& r) { r.windSpeed = "12"; },
    [](InspectionDetails& r) { r.pressureDifference = "0.5"; },
    [](InspectionDetails& r) { r.materialCondition = 2; },
};

TEST(DetailsEdits, OnlyTheFieldsTheUserChangedReachTheRecord)
{
    // The stored record differs from what the page shows of it in every field; edits of one field
    // must carry that field alone.
    InspectionDetails stored;
    stored.comment = "line\nbreaks";
    stored.cursorA = -1;
    stored.repairPriority = 7;
    const InspectionDetails shown;
    for (size_t index = 0; index < std::size(EveryFieldEdit); ++index) {
        InspectionDetails edited = shown;
        EveryFieldEdit[index](edited);
        InspectionDetails record = stored;
        EXPECT_TRUE(CopyChangedFields(shown, edited, record)) << index;
        InspectionDetails expected = stored;
        EveryFieldEdit[index](expected);
        EXPECT_EQ(record, expected) << index;
    }
    InspectionDetails untouched = stored;
    EXPECT_FALSE(CopyChangedFields(shown, shown, untouched));
    EXPECT_EQ(untouched, stored);
}

TEST(DetailsEdits, EveryFieldIsCopied)
{
    InspectionDetails edited;
    for (const Edit& edit : EveryFieldEdit) {
        edit(edited);
    }
    InspectionDetails record;
    EXPECT_TRUE(CopyChangedFields(InspectionDetails {}, edited, record));
    EXPECT_EQ(record, edited);
}

TEST(DetailsEdits, TypedDataIsAnyTextPriorityMaterialOrDateButNotTheCursors)
{
    EXPECT_FALSE(HasTypedData({}));
    for (size_t index = 0; index < std::size(EveryFieldEdit); ++index) {
        InspectionDetails record;
        EveryFieldEdit[index](record);
        const bool cursorOrDateValue = record.cursorA != -1 || record.cursorB != -1 ||
            record.inspectedDate != OleDate {} || record.repairedDate != OleDate {} ||
            record.reinspectedDate != OleDate {};
        EXPECT_EQ(HasTypedData(record), !cursorOrDateValue) << index;
    }
}

} // namespace
