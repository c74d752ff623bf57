#pragma once

#include <cstdint>

// Converts count pixels between the bitmap depths (16: RGB565; 24 and 32:
// blue, green, red first).
void ConvertPixelRow(const uint8_t* source, int sourceBits, uint8_t* destination, int destinationBits, int count);

// Turns count pixels of a bitmap row into red, green, blue byte triples.
void PixelRowToRgb(const uint8_t* source, int sourceBits, uint8_t* rgb, int count);
