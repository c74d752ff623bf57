// libFuzzer target: arbitrary bytes as an address book file, read by the
// vCard reader (VCardExercise.h). Nothing may crash or read out of bounds,
// and every name and address must be one the contact chooser can show and
// put in a recipients field (a broken one aborts the run as a finding).

#include "VCardExercise.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string outcome = ReadVCardBytes(std::span(data, size));
    if (outcome.find("; broken: ") != std::string::npos) {
        std::fprintf(stderr, "vCard reader: %s\n", outcome.c_str());
        std::abort();
    }
    return 0;
}
