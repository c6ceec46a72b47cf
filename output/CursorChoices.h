#pragma once

class ReportProject;

// Gives every inspection whose cursors were never chosen the choice the Inspection Data page
// would have shown: cursor 1 and 2 when the snapshot has that many markers, else none. Only
// inspections whose snapshot loads and is valid change; the project keeps the choices.
void FillUnsetCursorChoices(ReportProject& project);
