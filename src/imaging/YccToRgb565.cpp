#include "imaging/YccToRgb565.h"

#include <algorithm>

static YccTables MakeTables()
{
    YccTables t {};
    constexpr int32_t One = 1 << 16;
    auto fix = [](double value) { return static_cast<int32_t>(value * One + 0.5); };
    for (int i = 0; i < 256; ++i) {
        int32_t c = i - 128;
        t.crToRed[i] = static_cast<int16_t>((fix(1.40200) * c + One / 2) >> 16);
        t.cbToBlue[i] = static_cast<int16_t>((fix(1.77200) * c + One / 2) >> 16);
        t.crToGreen[i] = -fix(0.71414) * c;
        t.cbToGreen[i] = -fix(0.34414) * c + One / 2;
    }
    for (int i = 0; i < 768; ++i) {
        int value = std::clamp(i - 256, 0, 255);
        t.red[i] = static_cast<uint16_t>((value & 0xF8) << 8);
        t.green[i] = static_cast<uint16_t>((value & 0xFC) << 3);
        t.blue[i] = static_cast<uint16_t>(value >> 3);
    }
    for (int i = 0; i < 256; ++i)
        t.grey[i] = static_cast<uint16_t>(t.red[i + 256] | t.green[i + 256] | t.blue[i + 256]);
    return t;
}

const YccTables& GetYccTables()
{
    static const YccTables tables = MakeTables();
    return tables;
}
