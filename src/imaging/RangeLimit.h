#pragma once

#include <array>
#include <cstdint>

// Turns an inverse-DCT output (a sample before the level shift) into a
// sample: adds 128 and clamps to 0..255. The index is masked to 10 bits, so
// values within -512..511 come out right and wild ones stay inside the table.
extern const std::array<uint8_t, 1024> RangeLimitTable;

inline uint8_t RangeLimit(int32_t value)
{
    return RangeLimitTable[static_cast<uint32_t>(value) & 1023];
}
