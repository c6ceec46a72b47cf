#include "CursorChoices.h"

#include "report/ReportProject.h"
#include "snapshot/cQVX.h"

void FillUnsetCursorChoices(ReportProject& project)
{
    for (int index = 0; index < project.InspectionCount(); ++index) {
        InspectionDetails* details = project.DetailsAt(index);
        if (!details || (details->cursorA != -1 && details->cursorB != -1)) {
            continue;
        }
        cQVX snapshot;
        if (!snapshot.Load(project.SelectionAt(index)->snapshotPath) || !snapshot.valid) {
            continue;
        }
        if (details->cursorA == -1) {
            details->cursorA = snapshot.markerCount >= 1 ? 1 : 0;
        }
        if (details->cursorB == -1) {
            details->cursorB = snapshot.markerCount >= 2 ? 2 : 0;
        }
    }
}
