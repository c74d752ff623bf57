#include "imaging/RangeLimit.h"

static constexpr std::array<uint8_t, 1024> MakeRangeLimitTable()
{
    std::array<uint8_t, 1024> table {};
    for (int i = 0; i < 1024; ++i) {
        int value = (i < 512 ? i : i - 1024) + 128;
        table[i] = static_cast<uint8_t>(value < 0 ? 0 : (value > 255 ? 255 : value));
    }
    return table;
}

constinit const std::array<uint8_t, 1024> RangeLimitTable = MakeRangeLimitTable();
