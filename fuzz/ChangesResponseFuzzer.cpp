// libFuzzer target: arbitrary bytes as a changes response ("GC"), merged
// into a real store that is then saved into a temporary folder and loaded
// again. Nothing may crash, hang or break the store's rules.

#include "ChangesResponseExercise.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size > UINT32_MAX)
        return 0;
    (void)ProcessChangesInput(data, size);
    return 0;
}
