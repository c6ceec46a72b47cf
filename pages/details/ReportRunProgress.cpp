#include "pages/details/ReportRunProgress.h"

namespace {

std::function<void(int)>& PageHook()
{
    static std::function<void(int)> hook;
    return hook;
}

} // namespace

bool ReportRunProgress::StartingPage(int page, int total)
{
    if (PageHook()) {
        PageHook()(page);
    }
    if (cancelled) {
        return false;
    }
    emit PageStarting(page, total);
    return true;
}

void SetReportPageHook(std::function<void(int page)> hook)
{
    PageHook() = std::move(hook);
}
