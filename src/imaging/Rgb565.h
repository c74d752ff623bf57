#pragma once

#include <cstdint>

// RGB565 pixels: red in bits 15-11, green in 10-5, blue in 4-0. Widening
// leaves the low bits of each 8-bit channel clear; packing keeps the top bits.

inline uint8_t Red565(uint16_t pixel) { return static_cast<uint8_t>((pixel >> 8) & 0xF8); }
inline uint8_t Green565(uint16_t pixel) { return static_cast<uint8_t>((pixel >> 3) & 0xFC); }
inline uint8_t Blue565(uint16_t pixel) { return static_cast<uint8_t>((pixel << 3) & 0xF8); }

inline uint16_t Pack565(unsigned red, unsigned green, unsigned blue)
{
    return static_cast<uint16_t>(((red & 0xF8) << 8) | ((green & 0xFC) << 3) | (blue >> 3));
}
