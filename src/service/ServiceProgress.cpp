#include "service/ServiceProgress.h"

bool ReportStep(ProgressCallback callback, void* context, ProgressStep step, const char* detail, std::uint16_t done, std::uint16_t total)
{
    if (!callback)
        return true;
    ProgressRecord record;
    record.step = step;
    record.detail = detail;
    record.done = done;
    record.total = total;
    return callback(context, &record, -1);
}

void ReportFailure(ProgressCallback callback, void* context, ErrorCode code, const HttpResponse* response)
{
    if (!callback)
        return;
    ProgressRecord record;
    record.code = code;
    record.response = response;
    record.step = ProgressStep::ErrorReport;
    // An error report asks nothing: whether the user cancels now matters
    // only to the next request, which asks again.
    (void)callback(context, &record, -1);
}
