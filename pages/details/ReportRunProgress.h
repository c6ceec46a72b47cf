#pragma once

#include "output/ReportProgress.h"

#include <QObject>

#include <atomic>
#include <functional>

// Carries a report run's progress from the worker that draws the pages to the window, and the
// window's Cancel back: the worker sees it when it starts the next page.
class ReportRunProgress : public QObject, public ReportProgress
{
    Q_OBJECT

public:
    // On the worker: tells the window and answers whether to go on.
    bool StartingPage(int page, int total) override;

    void Cancel() { cancelled = true; }
    bool Cancelled() const { return cancelled; }

signals:
    void PageStarting(int page, int total);

private:
    std::atomic<bool> cancelled {false};
};

// Test seam: runs on the worker before each page, before a Cancel is looked at, so that a test
// can press Cancel at a page of its choosing. An empty hook removes it.
void SetReportPageHook(std::function<void(int page)> hook);
