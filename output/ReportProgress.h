#pragma once

// Told about every page of a report before it is drawn, on the thread that draws the report.
// Answering false stops the run before that page: nothing more is drawn and no file is written.
class ReportProgress
{
public:
    virtual ~ReportProgress() = default;
    // `page` counts from 1 to `total`.
    virtual bool StartingPage(int page, int total) = 0;
};
