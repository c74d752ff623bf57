#pragma once

#include <cstdint>

// JFIF (BT.601) YCbCr to RGB565 through tables: the chroma terms are looked
// up once per chroma sample, then each pixel is three lookups that also
// clamp and pack.
struct YccTables {
    int16_t crToRed[256];
    int16_t cbToBlue[256];
    int32_t crToGreen[256]; // 16.16, rounding included in cbToGreen
    int32_t cbToGreen[256];
    // Indexed by a channel value + 256 (-256..511): the clamped channel
    // already shifted into its place in an RGB565 pixel.
    uint16_t red[768];
    uint16_t green[768];
    uint16_t blue[768];
    uint16_t grey[256];
};

const YccTables& GetYccTables();

inline uint16_t YccPixel(const YccTables& t, int y, int redTerm, int greenTerm, int blueTerm)
{
    return static_cast<uint16_t>(t.red[y + redTerm + 256] | t.green[y + greenTerm + 256] | t.blue[y + blueTerm + 256]);
}
