// libFuzzer target: arbitrary bytes as a server's response, read by
// everything that reads responses (ResponseScanExercise.h). Nothing may
// crash or read out of bounds, and a temporary-file stream must read the
// same as a memory stream (a difference aborts the run as a finding).

#include "ResponseScanExercise.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string outcome = ScanResponseBytes(std::span(data, size));
    if (outcome.find("(a file stream: ") != std::string::npos) {
        std::fprintf(stderr, "the streams disagree: %s\n", outcome.c_str());
        std::abort();
    }
    return 0;
}
