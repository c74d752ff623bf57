#pragma once

#include "platform/ErrorCode.h"
#include "transport/Progress.h"

#include <cstdint>

class HttpResponse;

// Reports a step to a progress callback (none: nothing to report). The
// detail names the record the step works on; done and total place it in a
// series (0 outside one). False when the user cancelled.
bool ReportStep(ProgressCallback callback, void* context, ProgressStep step, const char* detail = nullptr, std::uint16_t done = 0,
    std::uint16_t total = 0);

// Reports a failure of a request that the server did not explain (step
// 16).
void ReportFailure(ProgressCallback callback, void* context, ErrorCode code, const HttpResponse* response);
