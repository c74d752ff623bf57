// libFuzzer target: every input is a blog store file and a user file. Each
// is loaded, saved into a scratch folder and loaded again; the loads must
// neither crash nor read out of bounds, and the second load must give the
// same records as the first (a mismatch aborts the run as a finding).

#include "ScratchFolder.h"
#include "StoreFileRoundTrip.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    RoundTripOutcome outcome = RoundTripStoreAndUserFile(ScratchFolder("vbx-store-fuzz"), std::span(data, size));
    if (!outcome.mismatch.empty()) {
        std::fprintf(stderr, "store round trip: %s (%s)\n", outcome.mismatch.c_str(), outcome.summary.c_str());
        std::abort();
    }
    return 0;
}
