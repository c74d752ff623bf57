// libFuzzer target: every input is the registry file. The hive must read it
// without crashing or reading out of bounds, write back exactly what it
// read, and keep a damaged file aside before replacing it (a failed check
// aborts the run as a finding).

#include "RegistryFileRoundTrip.h"
#include "ScratchFolder.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    RegistryRoundTripOutcome outcome = RoundTripRegistryFile(ScratchFolder("vbx-registry-fuzz"), std::span(data, size));
    if (!outcome.mismatch.empty()) {
        std::fprintf(stderr, "registry round trip: %s (%s)\n", outcome.mismatch.c_str(), outcome.summary.c_str());
        std::abort();
    }
    return 0;
}
