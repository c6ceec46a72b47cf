#pragma once

class CQvxReportWriterDoc;
class QWidget;

// "Pack Project...": asks for a new or empty folder and copies the open project, as the pages show
// it, with every file it uses into it (report/ProjectPack.h), showing the progress with a Cancel.
// Ends with the number of files and their total size, or with what failed; a failed or cancelled
// pack leaves nothing behind. The open project and its file stay as they are. Returns whether
// the project was packed.
bool PackOpenProject(CQvxReportWriterDoc& document, QWidget* parent);
